#include "engine/stream/MpegAudioSource.h"

#include <sys/types.h>

// Plain names: off_t is already 64 bits wide here.
#define MPG123_NO_LARGENAME
#include <mpg123.h>

namespace vantor::engine {

static_assert(sizeof(off_t) == 8, "the file range hands libmpg123 64-bit offsets");

namespace {

ssize_t ReadRange(void* handle, void* buffer, std::size_t size) {
    return static_cast<ssize_t>(static_cast<FileRange*>(handle)->Read(buffer, size));
}

off_t SeekRange(void* handle, off_t offset, int whence) {
    return static_cast<FileRange*>(handle)->Seek(offset, whence);
}

// Every rate MPEG audio has, always as float stereo: a mono stream is heard
// at full level on both sides. Damage of any length is skipped to the next
// frame, as long as the stream goes on after it.
bool AskForFloatStereo(mpg123_handle* decoder) {
    if (mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_FORCE_STEREO, 0.0) !=
            MPG123_OK ||
        mpg123_param(decoder, MPG123_RESYNC_LIMIT, -1, 0.0) != MPG123_OK ||
        mpg123_format_none(decoder) != MPG123_OK)
        return false;
    const long* rates = nullptr;
    std::size_t count = 0;
    mpg123_rates(&rates, &count);
    for (std::size_t i = 0; i < count; ++i) {
        if (mpg123_format(decoder, rates[i], MPG123_STEREO, MPG123_ENC_FLOAT_32) != MPG123_OK)
            return false;
    }
    return true;
}

} // namespace

std::unique_ptr<MpegAudioSource> MpegAudioSource::Open(std::unique_ptr<FileRange>& range) {
    static const int initialised = mpg123_init();
    if (initialised != MPG123_OK)
        return nullptr;
    Decoder decoder(mpg123_new(nullptr, nullptr));
    if (!decoder || !AskForFloatStereo(decoder.get()) ||
        mpg123_replace_reader_handle(decoder.get(), &ReadRange, &SeekRange, nullptr) != MPG123_OK ||
        mpg123_open_handle(decoder.get(), range.get()) != MPG123_OK)
        return nullptr;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    const bool decodable =
        mpg123_getformat(decoder.get(), &rate, &channels, &encoding) == MPG123_OK && rate > 0 &&
        channels == MPG123_STEREO && encoding == MPG123_ENC_FLOAT_32;
    if (!decodable)
        return nullptr;
    mpg123_set_filesize(decoder.get(), range->Length());
    const off_t samples = mpg123_length(decoder.get());
    return std::unique_ptr<MpegAudioSource>(
        new MpegAudioSource(std::move(decoder), std::move(range), static_cast<int>(rate),
                            samples > 0 ? samples * 1000 / rate : 0));
}

// Deleting a handle also closes its stream.
void MpegAudioSource::DecoderDeleter::operator()(mpg123_handle_struct* decoder) const {
    mpg123_delete(decoder);
}

MpegAudioSource::MpegAudioSource(Decoder decoder, std::unique_ptr<FileRange> range, int rate,
                                 std::int64_t lengthMs)
    : NativeRateSource(std::move(range), rate, lengthMs), m_decoder(std::move(decoder)) {}

MpegAudioSource::~MpegAudioSource() = default;

std::size_t MpegAudioSource::Read(float* stereo, std::size_t frames) {
    constexpr std::size_t kFrameBytes = 2 * sizeof(float);
    auto* out = reinterpret_cast<unsigned char*>(stereo);
    std::size_t filled = 0;
    while (!m_ended && filled < frames * kFrameBytes) {
        std::size_t done = 0;
        const int result =
            mpg123_read(m_decoder.get(), out + filled, frames * kFrameBytes - filled, &done);
        filled += done;
        // A damaged frame is skipped inside the decoder; what it gives up on
        // ends the stream.
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
            m_ended = true;
    }
    return filled / kFrameBytes;
}

std::int64_t MpegAudioSource::SeekMs(std::int64_t ms) {
    const off_t reached = mpg123_seek(m_decoder.get(), MsToFrames(ms), SEEK_SET);
    if (reached < 0)
        return -1;
    m_ended = false;
    return FramesToMs(reached);
}

} // namespace vantor::engine
