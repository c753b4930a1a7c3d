// One playing source: a producer side that decodes ahead into a ring of
// frames (decode worker, or the render thread when rendering offline) and a
// consumer side that the mixer reads at a variable rate. Created and destroyed
// on the UI thread; Pump on the producer thread; Mix on the mixing thread;
// the remaining accessors from any thread (atomics).
#pragma once

#include "engine/mix/FrameRing.h"
#include "engine/mix/VoiceResampler.h"
#include "engine/stream/AudioSource.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

namespace vantor::engine {

class Voice {
public:
    // `blockFrames`: the most frames one MixInto is asked for.
    Voice(std::unique_ptr<AudioSource> source, std::size_t ringFrames, std::size_t blockFrames);

    // Producer: decodes into the ring until it is full or `maxFrames` were
    // written; returns how many frames it wrote.
    std::size_t Pump(std::size_t maxFrames);
    // Offline mixing: the most frames the next `frames` output frames at
    // `step` read from the ring (the same thread produces and consumes).
    std::size_t FramesRead(std::size_t frames, double step) const {
        return m_resampler.FramesRead(frames, step);
    }
    bool NeedsData() const;
    // The share of the ring (0..1) the consumer has emptied and the producer
    // not yet refilled.
    double EmptiedShare() const;
    // How long a full ring plays at the source's own rate.
    std::chrono::milliseconds RingLength() const;

    // Consumer: adds `frames` frames to `out` (stereo, ±32768 scale) with the
    // given gains, stepping `step` source frames per output frame (through
    // the resampler; a step of exactly one passes the frames untouched).
    // Returns false when the ring ran dry before the source ended (an underrun).
    bool MixInto(float* out, std::size_t frames, float gainLeft, float gainRight, double step);

    // UI thread, before the voice first plays at a step other than one.
    void PrepareFilter() { m_resampler.PrepareFilter(); }

    // Any thread.
    void RequestSeekMs(std::int64_t ms);
    std::int64_t PositionMs() const;
    // Played to its end, and no seek has brought it back since.
    bool Finished() const;
    int SampleRate() const { return m_rate; }
    int NativeRate() const { return m_nativeRate; }
    std::int64_t LengthMs() const { return m_lengthMs; }

    // Runs `work` on the source while the producer cannot touch it.
    template <typename Work>
    auto WithSource(Work&& work) {
        std::lock_guard lock(m_producerMutex);
        return work(*m_source);
    }

private:
    bool SeekPending() const;
    void ApplySeekRequest();
    void ApplyDiscard();

    std::unique_ptr<AudioSource> m_source;
    FrameRing m_ring;
    std::mutex m_producerMutex; // never taken by the mixing thread
    const int m_rate;
    const int m_nativeRate;
    const std::int64_t m_lengthMs;

    // UI -> producer: seek target and its generation.
    std::atomic<std::int64_t> m_seekTargetMs{0};
    std::atomic<std::uint32_t> m_seekGeneration{0};
    // Producer -> consumer: frames before m_discardIndex are stale; the frame
    // at it is m_discardBaseFrame of the source.
    std::uint32_t m_producerGeneration = 0;
    std::atomic<std::uint64_t> m_discardIndex{0};
    std::atomic<std::int64_t> m_discardBaseFrame{0};
    std::atomic<std::uint32_t> m_discardGeneration{0};
    std::atomic<bool> m_sourceEnded{false};
    // Consumer state.
    std::uint32_t m_appliedGeneration = 0;
    VoiceResampler m_resampler;
    double m_position = 0.0; // source frames played, at the output's frame
    std::atomic<std::uint32_t> m_consumerGeneration{0};
    std::atomic<std::int64_t> m_playedFrames{0};
    std::atomic<bool> m_finished{false};
};

} // namespace vantor::engine
