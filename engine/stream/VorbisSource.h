// An Ogg Vorbis stream decoded by libvorbisfile from a file range, as float
// stereo at its own rate; far lighter to load than FFmpeg. Created on the UI
// thread; afterwards used by one thread at a time.
#pragma once

#include "engine/stream/AudioSource.h"
#include "engine/stream/FileRange.h"

#include <memory>

namespace vantor::engine {

class VorbisSource : public AudioSource {
public:
    // Opens the range as Ogg Vorbis. Null when it is not, or when its
    // streams have more than two channels or differing rates (FFmpeg mixes
    // and resamples those); the range is then left with the caller, rewound.
    static std::unique_ptr<VorbisSource> Open(std::unique_ptr<FileRange>& range);
    ~VorbisSource() override;
    VorbisSource(const VorbisSource&) = delete;
    VorbisSource& operator=(const VorbisSource&) = delete;

    int SampleRate() const override { return m_rate; }
    int NativeRate() const override { return m_rate; }
    std::size_t Read(float* stereo, std::size_t frames) override;
    std::int64_t SeekMs(std::int64_t ms) override;
    std::int64_t LengthMs() const override { return m_lengthMs; }

private:
    struct Decoder;
    VorbisSource(std::unique_ptr<Decoder> decoder, std::unique_ptr<FileRange> range);

    std::unique_ptr<Decoder> m_decoder;
    std::unique_ptr<FileRange> m_range;
    int m_rate = 0;
    std::int64_t m_lengthMs = 0;
    bool m_ended = false;
};

} // namespace vantor::engine
