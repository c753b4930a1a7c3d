// A byte range of a file (a ZIP member's stored bytes, or the whole file)
// read as if it were a file of its own. Owned by the decoder that reads from
// it; used by one thread at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace vantor::engine {

class FileRange {
public:
    // `length` 0 means up to the end of the file. Null on failure, with
    // `error` set to the sound library's code (9 missing, 11 unreadable).
    static std::unique_ptr<FileRange> Open(const std::string& path, std::int64_t offset,
                                           std::int64_t length, int& error);
    ~FileRange();
    FileRange(const FileRange&) = delete;
    FileRange& operator=(const FileRange&) = delete;

    std::int64_t Length() const { return m_length; }
    std::int64_t Position() const { return m_position; }
    // Reads up to `size` bytes at the position and moves past them; 0 at the
    // end of the range, -1 when the file cannot be read.
    std::int64_t Read(void* buffer, std::size_t size);
    // True when all `size` bytes were there to read.
    bool ReadExactly(void* buffer, std::size_t size) {
        return Read(buffer, size) == static_cast<std::int64_t>(size);
    }
    // Moves to `target` as `whence` (SEEK_SET, SEEK_CUR, SEEK_END) measures
    // it within the range; the new position, or -1 (nothing moves) when that
    // lies outside the range.
    std::int64_t Seek(std::int64_t target, int whence);

private:
    FileRange(std::FILE* file, std::int64_t offset, std::int64_t length);

    std::FILE* m_file;
    std::int64_t m_offset;
    std::int64_t m_length;
    std::int64_t m_position = 0;
};

} // namespace vantor::engine
