// A source whose frames come at another rate than the mixer's, brought to the
// mixer's rate while it is decoded, on the producer's side: a fixed ratio
// costs a fifth of what the mixer's variable-ratio filter does, and its
// passband reaches further. The mixer then only resamples what a channel's
// frequency moves. Owned by the engine; used by one thread at a time
// (AudioSource); Read and SeekMs may allocate.
#pragma once

#include "engine/stream/AudioSource.h"

#include <memory>
#include <vector>

struct soxr;

namespace vantor::engine {

struct SoxrApi;

class RateConvertedSource : public AudioSource {
public:
    // Null when the converter cannot be made for these rates, or libsoxr
    // cannot be loaded.
    static std::unique_ptr<AudioSource> Wrap(std::unique_ptr<AudioSource> source, int outputRate);
    ~RateConvertedSource() override;

    int SampleRate() const override { return m_outputRate; }
    int NativeRate() const override { return m_source->NativeRate(); }
    std::size_t Read(float* stereo, std::size_t frames) override;
    std::int64_t SeekMs(std::int64_t ms) override;
    std::int64_t LengthMs() const override { return m_source->LengthMs(); }

private:
    RateConvertedSource(std::unique_ptr<AudioSource> source, int outputRate, const SoxrApi& api,
                        soxr* converter);
    void Refill();

    std::unique_ptr<AudioSource> m_source;
    int m_outputRate;
    const SoxrApi& m_soxr;
    soxr* m_converter;
    std::vector<float> m_input; // frames read from the source, not yet converted
    std::size_t m_inputFrames = 0;
    std::size_t m_inputUsed = 0;
    bool m_sourceEnded = false;
};

} // namespace vantor::engine
