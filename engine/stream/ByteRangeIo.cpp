#include "engine/stream/ByteRangeIo.h"

#include "engine/stream/FfmpegLibrary.h"
#include "sound/SoundLibrary.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace vantor::engine {

namespace {
constexpr int kIoBufferSize = 32768;
} // namespace

ByteRangeIo::ByteRangeIo(const FfmpegApi& ff, const std::string& path, std::int64_t offset,
                         std::int64_t length)
    : m_ff(ff), m_offset(offset) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        m_error =
            errno == ENOENT || errno == ENOTDIR ? kSoundErrorFileNotFound : kSoundErrorFileBad;
        return;
    }
    if (!S_ISREG(info.st_mode) || offset < 0 || length < 0 || offset > info.st_size) {
        m_error = kSoundErrorFileBad;
        return;
    }
    std::int64_t available = info.st_size - offset;
    m_length = length == 0 ? available : std::min(length, available);
    m_file = std::fopen(path.c_str(), "rb");
    if (m_file == nullptr) {
        m_error = kSoundErrorFileBad;
        return;
    }
    auto* buffer = static_cast<unsigned char*>(m_ff.av_malloc(kIoBufferSize));
    m_context =
        m_ff.avio_alloc_context(buffer, kIoBufferSize, 0, this, &ReadPacket, nullptr, &Seek);
    if (m_context == nullptr) {
        m_ff.av_free(buffer);
        m_error = kSoundErrorMemory;
    }
}

ByteRangeIo::~ByteRangeIo() {
    if (m_context != nullptr) {
        m_ff.av_freep(&m_context->buffer);
        m_ff.avio_context_free(&m_context);
    }
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

int ByteRangeIo::ReadPacket(void* opaque, std::uint8_t* buffer, int size) {
    auto* self = static_cast<ByteRangeIo*>(opaque);
    std::int64_t left = self->m_length - self->m_position;
    if (left <= 0) {
        return AVERROR_EOF;
    }
    auto want = static_cast<std::size_t>(std::min<std::int64_t>(size, left));
    if (fseeko(self->m_file, self->m_offset + self->m_position, SEEK_SET) != 0) {
        return AVERROR(EIO);
    }
    std::size_t got = std::fread(buffer, 1, want, self->m_file);
    if (got == 0) {
        return AVERROR_EOF;
    }
    self->m_position += static_cast<std::int64_t>(got);
    return static_cast<int>(got);
}

std::int64_t ByteRangeIo::Seek(void* opaque, std::int64_t offset, int whence) {
    auto* self = static_cast<ByteRangeIo*>(opaque);
    std::int64_t target = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return self->m_length;
    case SEEK_SET:
        target = offset;
        break;
    case SEEK_CUR:
        target = self->m_position + offset;
        break;
    case SEEK_END:
        target = self->m_length + offset;
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (target < 0 || target > self->m_length) {
        return AVERROR(EINVAL);
    }
    self->m_position = target;
    return target;
}

} // namespace vantor::engine
