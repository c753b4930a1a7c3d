// A file range as FFmpeg input. Owned by the source that decodes from it;
// used by one thread at a time.
#pragma once

#include "engine/stream/FileRange.h"

#include <cstdint>
#include <memory>

struct AVIOContext;

namespace vantor::engine {

struct FfmpegApi;

class ByteRangeIo {
public:
    // Check Context() afterwards: null when FFmpeg has no memory for it.
    ByteRangeIo(const FfmpegApi& ff, std::unique_ptr<FileRange> range);
    ~ByteRangeIo();
    ByteRangeIo(const ByteRangeIo&) = delete;
    ByteRangeIo& operator=(const ByteRangeIo&) = delete;

    std::int64_t Length() const { return m_range->Length(); }
    AVIOContext* Context() const { return m_context; }

private:
    static int ReadPacket(void* opaque, std::uint8_t* buffer, int size);
    static std::int64_t Seek(void* opaque, std::int64_t offset, int whence);

    const FfmpegApi& m_ff;
    std::unique_ptr<FileRange> m_range;
    AVIOContext* m_context = nullptr;
};

} // namespace vantor::engine
