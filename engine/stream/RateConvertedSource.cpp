#include "engine/stream/RateConvertedSource.h"

#include "engine/stream/SoxrLibrary.h"

namespace vantor::engine {

namespace {
constexpr std::size_t kChunkFrames = 1024;
} // namespace

std::unique_ptr<AudioSource> RateConvertedSource::Wrap(std::unique_ptr<AudioSource> source,
                                                       int outputRate) {
    const SoxrApi* soxr = Soxr();
    if (soxr == nullptr) {
        return nullptr;
    }
    const soxr_io_spec_t io = soxr->soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    // 20-bit precision: every alias and image lies 120 dB down.
    const soxr_quality_spec_t quality = soxr->soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    soxr_t converter =
        soxr->soxr_create(source->SampleRate(), outputRate, 2, &error, &io, &quality, nullptr);
    if (error != nullptr) {
        return nullptr;
    }
    return std::unique_ptr<AudioSource>(
        new RateConvertedSource(std::move(source), outputRate, *soxr, converter));
}

RateConvertedSource::RateConvertedSource(std::unique_ptr<AudioSource> source, int outputRate,
                                         const SoxrApi& api, soxr* converter)
    : m_source(std::move(source)), m_outputRate(outputRate), m_soxr(api), m_converter(converter),
      m_input(2 * kChunkFrames) {}

RateConvertedSource::~RateConvertedSource() {
    m_soxr.soxr_delete(m_converter);
}

void RateConvertedSource::Refill() {
    m_inputFrames = m_source->Read(m_input.data(), kChunkFrames);
    m_inputUsed = 0;
    m_sourceEnded = m_inputFrames < kChunkFrames;
}

std::size_t RateConvertedSource::Read(float* stereo, std::size_t frames) {
    std::size_t produced = 0;
    while (produced < frames) {
        if (m_inputUsed == m_inputFrames && !m_sourceEnded) {
            Refill();
        }
        // With the source at its end, no input asks for the filter's tail.
        const bool draining = m_inputUsed == m_inputFrames;
        std::size_t used = 0;
        std::size_t made = 0;
        m_soxr.soxr_process(m_converter, draining ? nullptr : m_input.data() + 2 * m_inputUsed,
                            m_inputFrames - m_inputUsed, &used, stereo + 2 * produced,
                            frames - produced, &made);
        m_inputUsed += used;
        produced += made;
        if (draining && made == 0) {
            break;
        }
    }
    return produced;
}

std::int64_t RateConvertedSource::SeekMs(std::int64_t ms) {
    const std::int64_t reached = m_source->SeekMs(ms);
    if (reached >= 0) {
        m_soxr.soxr_clear(m_converter);
        m_inputFrames = 0;
        m_inputUsed = 0;
        m_sourceEnded = false;
    }
    return reached;
}

} // namespace vantor::engine
