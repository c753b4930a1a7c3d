// The bytes of a whole file for one reader. Small files are read into memory
// in one call; larger ones are mapped, so that a reader touches only the
// pages it looks at. The object owns the bytes; they stay valid while it
// lives. One object per reader; any thread.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantor {

class FileBytes {
public:
    // Opens `path`; IsOpen() is false when that fails. An empty file opens
    // with no bytes.
    explicit FileBytes(const std::string& path);
    ~FileBytes();
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    bool IsOpen() const { return m_open; }
    std::span<const std::uint8_t> Bytes() const { return {m_data, m_size}; }

private:
    bool Map(int fd);
    bool Read(int fd);

    std::vector<std::uint8_t> m_buffer;
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_mapped = false;
    bool m_open = false;
};

// The bytes of [start, start + length) clipped to `file`; empty when start
// lies beyond it.
std::span<const std::uint8_t> ClipRange(std::span<const std::uint8_t> file, std::uint64_t start,
                                        std::uint64_t length);

// `read` of the bytes of the file at `path` from `start` (a ZIP member's
// offset, or 0) to its end; what `read` returns for nothing at all when the
// file cannot be opened or `start` is negative.
template <typename Read>
auto ReadFileFrom(const std::string& path, std::int64_t start, Read&& read) {
    using Result = decltype(read(std::span<const std::uint8_t>{}));
    const FileBytes file(path);
    if (!file.IsOpen() || start < 0)
        return Result{};
    return read(ClipRange(file.Bytes(), static_cast<std::uint64_t>(start), UINT64_MAX));
}

} // namespace vantor
