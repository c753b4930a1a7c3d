#include "engine/stream/VorbisSource.h"

#include <algorithm>

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

namespace vantor::engine {

namespace {

std::size_t ReadRange(void* buffer, std::size_t size, std::size_t count, void* range) {
    const std::int64_t got = static_cast<FileRange*>(range)->Read(buffer, size * count);
    return got > 0 ? static_cast<std::size_t>(got) / size : 0;
}

int SeekRange(void* range, ogg_int64_t offset, int whence) {
    return static_cast<FileRange*>(range)->Seek(offset, whence) < 0 ? -1 : 0;
}

long TellRange(void* range) {
    return static_cast<long>(static_cast<FileRange*>(range)->Position());
}

constexpr ov_callbacks kRangeCallbacks{&ReadRange, &SeekRange, nullptr, &TellRange};

// One rate and at most two channels throughout: what Read hands out as is.
bool PlainStereo(OggVorbis_File& file) {
    const vorbis_info* first = ov_info(&file, 0);
    if (first == nullptr)
        return false;
    for (long link = 0; link < ov_streams(&file); ++link) {
        const vorbis_info* info = ov_info(&file, static_cast<int>(link));
        if (info == nullptr || info->channels < 1 || info->channels > 2 ||
            info->rate != first->rate || info->rate <= 0)
            return false;
    }
    return true;
}

} // namespace

// A failed open leaves the file cleared, so clearing it again is harmless.
struct VorbisSource::Decoder {
    ~Decoder() { ov_clear(&file); }
    OggVorbis_File file{};
};

std::unique_ptr<VorbisSource> VorbisSource::Open(std::unique_ptr<FileRange>& range) {
    auto decoder = std::make_unique<Decoder>();
    if (ov_open_callbacks(range.get(), &decoder->file, nullptr, 0, kRangeCallbacks) != 0)
        return nullptr;
    if (!PlainStereo(decoder->file))
        return nullptr;
    const int rate = static_cast<int>(ov_info(&decoder->file, 0)->rate);
    const double seconds = ov_time_total(&decoder->file, -1);
    return std::unique_ptr<VorbisSource>(
        new VorbisSource(std::move(decoder), std::move(range), rate,
                         seconds > 0 ? static_cast<std::int64_t>(seconds * 1000.0) : 0));
}

VorbisSource::VorbisSource(std::unique_ptr<Decoder> decoder, std::unique_ptr<FileRange> range,
                           int rate, std::int64_t lengthMs)
    : NativeRateSource(std::move(range), rate, lengthMs), m_decoder(std::move(decoder)) {}

VorbisSource::~VorbisSource() = default;

std::size_t VorbisSource::Read(float* stereo, std::size_t frames) {
    OggVorbis_File& file = m_decoder->file;
    std::size_t done = 0;
    while (!m_ended && done < frames) {
        float** planes = nullptr;
        int link = 0;
        const int want = static_cast<int>(std::min<std::size_t>(frames - done, 4096));
        const long got = ov_read_float(&file, &planes, want, &link);
        if (got == OV_HOLE)
            continue; // a gap in the pages: decoding goes on after it
        if (got <= 0) {
            m_ended = true;
            break;
        }
        const vorbis_info* info = ov_info(&file, link);
        const float* left = planes[0];
        const float* right = info->channels > 1 ? planes[1] : planes[0];
        for (long i = 0; i < got; ++i, ++done) {
            stereo[2 * done] = left[i];
            stereo[2 * done + 1] = right[i];
        }
    }
    return done;
}

std::int64_t VorbisSource::SeekMs(std::int64_t ms) {
    OggVorbis_File& file = m_decoder->file;
    // A time past the end lands on it, as a position the stream then ends at.
    const ogg_int64_t target = std::min<ogg_int64_t>(MsToFrames(ms), ov_pcm_total(&file, -1));
    if (target < 0 || ov_pcm_seek(&file, target) != 0)
        return -1;
    m_ended = false;
    return FramesToMs(ov_pcm_tell(&file));
}

} // namespace vantor::engine
