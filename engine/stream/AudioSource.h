// Something that renders sound for one voice: a decoded file, a song or a CD
// track. The engine owns each source; one thread at a time calls it (the
// voice's producer lock serialises the decode worker and the UI thread).
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantor::engine {

class AudioSource {
public:
    virtual ~AudioSource() = default;

    // Rate of the frames Read produces (the mixer's rate).
    virtual int SampleRate() const = 0;
    // The material's own rate: a channel's default frequency.
    virtual int NativeRate() const = 0;
    // Writes up to `frames` interleaved stereo frames on the ±1 scale; fewer
    // than asked means the source has ended.
    virtual std::size_t Read(float* stereo, std::size_t frames) = 0;
    // Moves to `ms` from the start (a song to its requested order) and returns
    // the position reached in ms, or -1 when the source cannot seek.
    virtual std::int64_t SeekMs(std::int64_t ms) = 0;
    virtual std::int64_t LengthMs() const = 0;
};

} // namespace vantor::engine
