// A single-producer, single-consumer ring of interleaved stereo float frames.
// Storage is allocated once by the constructor (any thread); afterwards one
// producer thread writes and one consumer thread reads without locks. Indices
// count frames since creation and never wrap, so "everything before index N"
// is a meaningful position for discarding stale frames after a seek.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor::engine {

class FrameRing {
public:
    // Frames stored one after another: `count` stereo frames from `frames` on.
    template <typename Float>
    struct Run {
        Float* frames = nullptr;
        std::size_t count = 0;
    };

    explicit FrameRing(std::size_t capacityFrames);

    std::size_t Capacity() const { return m_capacity; }

    // Producer side.
    std::size_t FreeFrames() const;
    // The free frames that follow the last one written, up to the end of the
    // storage: the producer fills some of them and then commits those.
    Run<float> FreeRun();
    void Commit(std::size_t frames);
    std::uint64_t WriteIndex() const { return m_write.load(std::memory_order_acquire); }

    // Consumer side.
    std::size_t ReadableFrames() const;
    // The frame `offset` frames after the read index (offset < ReadableFrames()).
    void Peek(std::size_t offset, float& left, float& right) const;
    // The `frames` frames from `offset` on (offset + frames <= ReadableFrames())
    // where they are stored: the second run, empty unless the frames wrap
    // round, continues at the storage's start.
    std::array<Run<const float>, 2> Runs(std::size_t offset, std::size_t frames) const;
    // Copies `frames` frames from `offset` on (offset + frames <= ReadableFrames()).
    void CopyOut(std::size_t offset, std::size_t frames, float* stereo) const;
    void Skip(std::size_t frames);
    std::uint64_t ReadIndex() const { return m_read.load(std::memory_order_acquire); }
    // Drops every frame written before `index` (no-op if already read).
    void DiscardBefore(std::uint64_t index);

private:
    std::size_t m_capacity;
    std::vector<float> m_data; // 2 * m_capacity floats
    std::atomic<std::uint64_t> m_write{0};
    std::atomic<std::uint64_t> m_read{0};
};

} // namespace vantor::engine
