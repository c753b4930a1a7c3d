#include "engine/mix/VoiceResampler.h"

#include <samplerate.h>

#include <algorithm>
#include <new>

namespace vantor::engine {

namespace {
// Its alias and image products stay more than 110 dB under the signal and its
// passband reaches 90 % of the lower Nyquist frequency (flat to 18 kHz at
// 44.1 kHz). The best grade costs five times as much CPU; the fastest one
// rolls off from 80 %, audibly short of a 19 kHz tone at 44.1 kHz.
constexpr int kConverter = SRC_SINC_MEDIUM_QUALITY;
// Frames of what was heard that prime the filter when it takes over: more
// than its half length at the widest step a block can glide to.
constexpr std::size_t kHistoryFrames = 512;
// Frames staged beyond those a block plays: the filter's look-ahead.
constexpr std::size_t kLookAheadFrames = 512;
// The filter's limit; a channel slowed further holds still, silent.
constexpr double kMinStep = 1.0 / 256.0;

// Adds `frames` stereo frames, scaled by the gains, to `out`.
void AddScaled(const float* from, std::size_t frames, float gainLeft, float gainRight,
               float* __restrict out) {
    for (std::size_t i = 0; i < frames; ++i) {
        out[2 * i] += from[2 * i] * gainLeft;
        out[2 * i + 1] += from[2 * i + 1] * gainRight;
    }
}
} // namespace

VoiceResampler::VoiceResampler(std::size_t blockFrames)
    : m_blockFrames(blockFrames), m_history(2 * kHistoryFrames) {}

VoiceResampler::~VoiceResampler() {
    if (m_state != nullptr) {
        src_delete(m_state);
    }
}

void VoiceResampler::PrepareFilter() {
    if (m_filterReady.load(std::memory_order_acquire)) {
        return;
    }
    m_staged.resize(2 * (kHistoryFrames + static_cast<std::size_t>(kMaxVoiceStep * m_blockFrames) +
                         kLookAheadFrames));
    m_filtered.resize(2 * std::max(m_blockFrames, kHistoryFrames));
    int error = 0;
    m_state = src_new(kConverter, 2, &error);
    if (m_state == nullptr) {
        throw std::bad_alloc();
    }
    m_filterReady.store(true, std::memory_order_release);
}

std::size_t VoiceResampler::FramesRead(std::size_t frames, double step) const {
    if (!m_filtering && step == 1.0) {
        return frames;
    }
    return static_cast<std::size_t>(std::min(step, kMaxVoiceStep) * static_cast<double>(frames)) +
           kLookAheadFrames;
}

void VoiceResampler::Restart() {
    m_filtering = false;
    m_lastRatio = 0.0;
    m_historyFrames = 0;
    m_primeFrames = 0;
}

VoiceResampler::Result VoiceResampler::Render(const FrameRing& ring, std::size_t readable,
                                              bool ended, float* out, std::size_t frames,
                                              float gainLeft, float gainRight, double step) {
    frames = std::min(frames, m_blockFrames);
    if (step < kMinStep) {
        return {.written = frames};
    }
    if (!m_filtering && (step == 1.0 || !m_filterReady.load(std::memory_order_acquire))) {
        return PassThrough(ring, readable, ended, out, frames, gainLeft, gainRight);
    }
    if (!m_filtering) {
        // Take over from the frames passed through, as if it had run all along.
        m_filtering = true;
        src_reset(m_state);
        m_lastRatio = 0.0;
        m_primeFrames = m_historyFrames;
        std::copy(m_history.end() - static_cast<std::ptrdiff_t>(2 * m_historyFrames),
                  m_history.end(), m_staged.begin());
    }
    return Filter(ring, readable, ended, out, frames, gainLeft, gainRight,
                  std::min(step, kMaxVoiceStep));
}

VoiceResampler::Result VoiceResampler::PassThrough(const FrameRing& ring, std::size_t readable,
                                                   bool ended, float* out, std::size_t frames,
                                                   float gainLeft, float gainRight) {
    const std::size_t count = std::min(frames, readable);
    for (const FrameRing::Run<const float>& run : ring.Runs(0, count)) {
        AddScaled(run.frames, run.count, gainLeft, gainRight, out);
        out += 2 * run.count;
    }
    RememberPlayed(ring, count);
    return {count, count, static_cast<double>(count), ended && count < frames};
}

void VoiceResampler::RememberPlayed(const FrameRing& ring, std::size_t frames) {
    if (frames >= kHistoryFrames) {
        ring.CopyOut(frames - kHistoryFrames, kHistoryFrames, m_history.data());
    } else {
        std::copy(m_history.begin() + static_cast<std::ptrdiff_t>(2 * frames), m_history.end(),
                  m_history.begin());
        ring.CopyOut(0, frames, m_history.data() + 2 * (kHistoryFrames - frames));
    }
    m_historyFrames = std::min(kHistoryFrames, m_historyFrames + frames);
}

std::size_t VoiceResampler::Stage(const FrameRing& ring, std::size_t readable, std::size_t wanted) {
    const std::size_t count = std::min(readable, wanted);
    ring.CopyOut(0, count, m_staged.data() + 2 * m_primeFrames);
    return count;
}

VoiceResampler::Result VoiceResampler::Filter(const FrameRing& ring, std::size_t readable,
                                              bool ended, float* out, std::size_t frames,
                                              float gainLeft, float gainRight, double step) {
    const std::size_t prime = m_primeFrames;
    const std::size_t staged = Stage(ring, readable, FramesRead(frames, step));
    const bool lastInput = ended && staged == readable;
    SRC_DATA data{};
    data.data_in = m_staged.data();
    data.input_frames = static_cast<long>(prime + staged);
    data.data_out = m_filtered.data();
    long inputUsed = 0;
    if (prime > 0) {
        // The history goes through unheard, leaving the filter mid-signal.
        data.output_frames = static_cast<long>(prime);
        data.src_ratio = 1.0;
        src_process(m_state, &data);
        inputUsed = data.input_frames_used;
        m_lastRatio = 1.0;
        m_primeFrames = 0;
    }
    const double ratio = 1.0 / step;
    data.data_in = m_staged.data() + 2 * inputUsed;
    data.input_frames = static_cast<long>(prime + staged) - inputUsed;
    data.output_frames = static_cast<long>(frames);
    data.src_ratio = ratio;
    data.end_of_input = lastInput ? 1 : 0;
    src_process(m_state, &data);
    inputUsed += data.input_frames_used;

    const auto written = static_cast<std::size_t>(data.output_frames_gen);
    AddScaled(m_filtered.data(), written, gainLeft, gainRight, out);
    Result result;
    result.written = written;
    result.consumed =
        static_cast<std::size_t>(std::max<long>(inputUsed - static_cast<long>(prime), 0));
    result.advanced = SourceFramesPlayed(written, frames, ratio);
    result.drained = lastInput && written < frames;
    m_lastRatio = m_lastRatio == 0.0
                      ? ratio
                      : m_lastRatio + (ratio - m_lastRatio) * static_cast<double>(written) /
                                          static_cast<double>(frames);
    return result;
}

double VoiceResampler::SourceFramesPlayed(std::size_t written, std::size_t asked,
                                          double ratio) const {
    if (m_lastRatio == 0.0 || m_lastRatio == ratio) {
        return static_cast<double>(written) / ratio;
    }
    // The filter moves its ratio in a straight line across the frames asked.
    double played = 0.0;
    const double slope = (ratio - m_lastRatio) / static_cast<double>(asked);
    for (std::size_t i = 0; i < written; ++i) {
        played += 1.0 / (m_lastRatio + slope * static_cast<double>(i));
    }
    return played;
}

} // namespace vantor::engine
