// A source read from a file range that hands out its frames at the
// material's own rate, leaving the conversion to the engine
// (RateConvertedSource) and the mixer. Owned by the
// engine; used by one thread at a time (AudioSource).
#pragma once

#include "engine/stream/AudioSource.h"
#include "engine/stream/FileRange.h"

#include <memory>

namespace vantor::engine {

class NativeRateSource : public AudioSource {
public:
    int SampleRate() const final { return m_rate; }
    int NativeRate() const final { return m_rate; }
    std::int64_t LengthMs() const final { return m_lengthMs; }

protected:
    NativeRateSource(std::unique_ptr<FileRange> range, int rate, std::int64_t lengthMs)
        : m_range(std::move(range)), m_rate(rate), m_lengthMs(lengthMs) {}

    FileRange& Range() { return *m_range; }
    std::int64_t MsToFrames(std::int64_t ms) const { return ms * m_rate / 1000; }
    std::int64_t FramesToMs(std::int64_t frames) const { return frames * 1000 / m_rate; }

private:
    std::unique_ptr<FileRange> m_range;
    int m_rate;
    std::int64_t m_lengthMs;
};

} // namespace vantor::engine
