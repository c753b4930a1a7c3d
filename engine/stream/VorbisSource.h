// An Ogg Vorbis stream decoded by libvorbisfile from a file range, as float
// stereo at its own rate; far lighter to load than FFmpeg. Created on the UI
// thread; afterwards used by one thread at a time.
#pragma once

#include "engine/stream/NativeRateSource.h"

#include <memory>

namespace vantor::engine {

class VorbisSource : public NativeRateSource {
public:
    // Opens the range as Ogg Vorbis. Null when it is not, or when its
    // streams have more than two channels or differing rates (FFmpeg mixes
    // and resamples those); the range is then left with the caller.
    static std::unique_ptr<VorbisSource> Open(std::unique_ptr<FileRange>& range);
    ~VorbisSource() override;
    VorbisSource(const VorbisSource&) = delete;
    VorbisSource& operator=(const VorbisSource&) = delete;

    std::size_t Read(float* stereo, std::size_t frames) override;
    std::int64_t SeekMs(std::int64_t ms) override;

private:
    struct Decoder;
    VorbisSource(std::unique_ptr<Decoder> decoder, std::unique_ptr<FileRange> range, int rate,
                 std::int64_t lengthMs);

    std::unique_ptr<Decoder> m_decoder;
    bool m_ended = false;
};

} // namespace vantor::engine
