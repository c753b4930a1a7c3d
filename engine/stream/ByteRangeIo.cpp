#include "engine/stream/ByteRangeIo.h"

#include "engine/stream/FfmpegLibrary.h"

namespace vantor::engine {

namespace {
constexpr int kIoBufferSize = 32768;
} // namespace

ByteRangeIo::ByteRangeIo(const FfmpegApi& ff, std::unique_ptr<FileRange> range)
    : m_ff(ff), m_range(std::move(range)) {
    auto* buffer = static_cast<unsigned char*>(m_ff.av_malloc(kIoBufferSize));
    if (buffer == nullptr)
        return;
    m_context =
        m_ff.avio_alloc_context(buffer, kIoBufferSize, 0, this, &ReadPacket, nullptr, &Seek);
    if (m_context == nullptr)
        m_ff.av_free(buffer);
}

ByteRangeIo::~ByteRangeIo() {
    if (m_context != nullptr) {
        m_ff.av_freep(&m_context->buffer);
        m_ff.avio_context_free(&m_context);
    }
}

int ByteRangeIo::ReadPacket(void* opaque, std::uint8_t* buffer, int size) {
    auto* self = static_cast<ByteRangeIo*>(opaque);
    const std::int64_t got = self->m_range->Read(buffer, static_cast<std::size_t>(size));
    if (got < 0)
        return AVERROR(EIO);
    return got == 0 ? AVERROR_EOF : static_cast<int>(got);
}

std::int64_t ByteRangeIo::Seek(void* opaque, std::int64_t offset, int whence) {
    auto* self = static_cast<ByteRangeIo*>(opaque);
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE)
        return self->m_range->Length();
    const std::int64_t reached = self->m_range->Seek(offset, whence);
    return reached < 0 ? AVERROR(EINVAL) : reached;
}

} // namespace vantor::engine
