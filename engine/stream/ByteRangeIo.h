// Reads a byte range of a file (a ZIP member's stored bytes, or the whole
// file) as FFmpeg input. Owned by the source that decodes from it; used by one
// thread at a time.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

struct AVIOContext;

namespace vantor::engine {

struct FfmpegApi;

class ByteRangeIo {
public:
    // `length` 0 means up to the end of the file. Check Open() afterwards.
    ByteRangeIo(const FfmpegApi& ff, const std::string& path, std::int64_t offset,
                std::int64_t length);
    ~ByteRangeIo();
    ByteRangeIo(const ByteRangeIo&) = delete;
    ByteRangeIo& operator=(const ByteRangeIo&) = delete;

    // 0 when open, else the sound library error code (9 missing, 11 unreadable).
    int OpenError() const { return m_error; }
    std::int64_t Length() const { return m_length; }
    AVIOContext* Context() const { return m_context; }

private:
    static int ReadPacket(void* opaque, std::uint8_t* buffer, int size);
    static std::int64_t Seek(void* opaque, std::int64_t offset, int whence);

    const FfmpegApi& m_ff;
    std::FILE* m_file = nullptr;
    std::int64_t m_offset = 0;
    std::int64_t m_length = 0;
    std::int64_t m_position = 0;
    AVIOContext* m_context = nullptr;
    int m_error = 0;
};

} // namespace vantor::engine
