// The capture unit's side of the oscilloscope: the sound library's mixing
// thread hands every mixed block to `Callback`, which copies its start into
// a preallocated slot of a lock-free publisher; the UI thread copies out the
// block that sounds now. No raw pointer into mixer memory crosses threads,
// and the callback never allocates or locks.
#pragma once

#include "sound/BlockPublisher.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vantor {

class OscilloscopeCapture {
public:
    // The oscilloscope never reads more than this many values of a block.
    static constexpr std::size_t kCapacity = 1024;

    // A DSP callback (mixing thread): `userValue` is the capture object; the
    // block is returned unchanged, the unit does not alter the sound.
    static float* Callback(float* sourceBuffer, float* newBuffer, std::int32_t length,
                           void* userValue);

    // Mixing thread: records one block of `length` stereo frames.
    void Capture(const float* block, std::int32_t length);

    // UI thread: copies the first values of the block sounding now into
    // `out` and returns how many there were; 0 before the first block.
    std::size_t CopySounding(std::span<float> out) const;

    // The number of blocks in the library's whole buffer; the block counter
    // wraps at it.
    void SetBlockCount(std::int32_t count) { m_blockCount.store(count, std::memory_order_relaxed); }
    std::int32_t BlockCounter() const { return m_counter.load(std::memory_order_relaxed); }

private:
    BlockPublisher m_blocks{kCapacity};
    // Values in the newest block, at most kCapacity.
    std::atomic<std::size_t> m_length{0};
    std::atomic<std::int32_t> m_counter{0};
    std::atomic<std::int32_t> m_blockCount{1};
};

} // namespace vantor
