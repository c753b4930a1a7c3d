#include "engine/mix/Voice.h"

#include <algorithm>

namespace vantor::engine {

namespace {
constexpr float kFullScale = 32768.0f;
} // namespace

Voice::Voice(std::unique_ptr<AudioSource> source, std::size_t ringFrames, std::size_t blockFrames)
    : m_source(std::move(source)), m_ring(ringFrames), m_rate(m_source->SampleRate()),
      m_nativeRate(m_source->NativeRate()), m_lengthMs(m_source->LengthMs()),
      m_resampler(blockFrames) {}

bool Voice::NeedsData() const {
    return !m_sourceEnded.load(std::memory_order_acquire) ||
           m_seekGeneration.load(std::memory_order_acquire) != m_producerGeneration;
}

double Voice::EmptiedShare() const {
    return static_cast<double>(m_ring.FreeFrames()) / static_cast<double>(m_ring.Capacity());
}

std::chrono::milliseconds Voice::RingLength() const {
    return std::chrono::milliseconds(static_cast<std::int64_t>(m_ring.Capacity()) * 1000 /
                                     std::max(m_rate, 1));
}

std::size_t Voice::Pump(std::size_t maxFrames) {
    std::lock_guard lock(m_producerMutex);
    ApplySeekRequest();
    std::size_t written = 0;
    while (written < maxFrames && !m_sourceEnded.load(std::memory_order_relaxed)) {
        // Decoded straight into the ring.
        const FrameRing::Run<float> free = m_ring.FreeRun();
        const std::size_t want = std::min(maxFrames - written, free.count);
        if (want == 0) {
            break;
        }
        const std::size_t got = m_source->Read(free.frames, want);
        m_ring.Commit(got);
        written += got;
        if (got < want) {
            m_sourceEnded.store(true, std::memory_order_release);
        }
    }
    return written;
}

void Voice::ApplySeekRequest() {
    std::uint32_t generation = m_seekGeneration.load(std::memory_order_acquire);
    if (generation == m_producerGeneration) {
        return;
    }
    std::int64_t reached = m_source->SeekMs(m_seekTargetMs.load(std::memory_order_relaxed));
    m_producerGeneration = generation;
    m_sourceEnded.store(reached < 0, std::memory_order_relaxed);
    m_discardBaseFrame.store(std::max<std::int64_t>(reached, 0) * m_rate / 1000,
                             std::memory_order_relaxed);
    m_discardIndex.store(m_ring.WriteIndex(), std::memory_order_relaxed);
    m_discardGeneration.store(generation, std::memory_order_release);
}

void Voice::ApplyDiscard() {
    std::uint32_t generation = m_discardGeneration.load(std::memory_order_acquire);
    if (generation == m_appliedGeneration) {
        return;
    }
    m_ring.DiscardBefore(m_discardIndex.load(std::memory_order_relaxed));
    const std::int64_t base = m_discardBaseFrame.load(std::memory_order_relaxed);
    m_playedFrames.store(base, std::memory_order_relaxed);
    m_position = static_cast<double>(base);
    m_resampler.Restart();
    m_finished.store(false, std::memory_order_release);
    m_appliedGeneration = generation;
    m_consumerGeneration.store(generation, std::memory_order_release);
}

bool Voice::MixInto(float* out, std::size_t frames, float gainLeft, float gainRight, double step) {
    ApplyDiscard();
    if (m_finished.load(std::memory_order_relaxed)) {
        return true;
    }
    // Read "ended" before counting frames: frames are written before the flag.
    const bool ended = m_sourceEnded.load(std::memory_order_acquire);
    const VoiceResampler::Result result =
        m_resampler.Render(m_ring, m_ring.ReadableFrames(), ended, out, frames,
                           gainLeft * kFullScale, gainRight * kFullScale, step);
    m_ring.Skip(result.consumed);
    m_position += result.advanced;
    m_playedFrames.store(static_cast<std::int64_t>(m_position), std::memory_order_relaxed);
    if (result.drained) {
        m_finished.store(true, std::memory_order_release);
        return true;
    }
    return result.written == frames;
}

void Voice::RequestSeekMs(std::int64_t ms) {
    m_seekTargetMs.store(std::max<std::int64_t>(ms, 0), std::memory_order_relaxed);
    m_seekGeneration.fetch_add(1, std::memory_order_release);
}

bool Voice::SeekPending() const {
    return m_seekGeneration.load(std::memory_order_acquire) !=
           m_consumerGeneration.load(std::memory_order_acquire);
}

bool Voice::Finished() const {
    return m_finished.load(std::memory_order_acquire) && !SeekPending();
}

std::int64_t Voice::PositionMs() const {
    if (SeekPending()) {
        return m_seekTargetMs.load(std::memory_order_relaxed);
    }
    return m_playedFrames.load(std::memory_order_relaxed) * 1000 / m_rate;
}

} // namespace vantor::engine
