#include "engine/mix/FrameRing.h"

#include <algorithm>

namespace vantor::engine {

FrameRing::FrameRing(std::size_t capacityFrames)
    : m_capacity(std::max<std::size_t>(capacityFrames, 1)), m_data(2 * m_capacity, 0.0f) {}

std::size_t FrameRing::FreeFrames() const {
    std::uint64_t used =
        m_write.load(std::memory_order_relaxed) - m_read.load(std::memory_order_acquire);
    return m_capacity - static_cast<std::size_t>(used);
}

FrameRing::Run<float> FrameRing::FreeRun() {
    const auto slot =
        static_cast<std::size_t>(m_write.load(std::memory_order_relaxed) % m_capacity);
    return {m_data.data() + 2 * slot, std::min(FreeFrames(), m_capacity - slot)};
}

void FrameRing::Commit(std::size_t frames) {
    const std::uint64_t write = m_write.load(std::memory_order_relaxed);
    m_write.store(write + std::min(frames, FreeFrames()), std::memory_order_release);
}

std::size_t FrameRing::ReadableFrames() const {
    return static_cast<std::size_t>(m_write.load(std::memory_order_acquire) -
                                    m_read.load(std::memory_order_relaxed));
}

void FrameRing::Peek(std::size_t offset, float& left, float& right) const {
    std::size_t slot =
        static_cast<std::size_t>((m_read.load(std::memory_order_relaxed) + offset) % m_capacity);
    left = m_data[2 * slot];
    right = m_data[2 * slot + 1];
}

std::array<FrameRing::Run<const float>, 2> FrameRing::Runs(std::size_t offset,
                                                           std::size_t frames) const {
    const auto slot =
        static_cast<std::size_t>((m_read.load(std::memory_order_relaxed) + offset) % m_capacity);
    const std::size_t first = std::min(frames, m_capacity - slot);
    return {{{m_data.data() + 2 * slot, first}, {m_data.data(), frames - first}}};
}

void FrameRing::CopyOut(std::size_t offset, std::size_t frames, float* stereo) const {
    for (const Run<const float>& run : Runs(offset, frames)) {
        stereo = std::copy_n(run.frames, 2 * run.count, stereo);
    }
}

void FrameRing::Skip(std::size_t frames) {
    std::size_t count = std::min(frames, ReadableFrames());
    m_read.store(m_read.load(std::memory_order_relaxed) + count, std::memory_order_release);
}

void FrameRing::DiscardBefore(std::uint64_t index) {
    std::uint64_t read = m_read.load(std::memory_order_relaxed);
    std::uint64_t write = m_write.load(std::memory_order_acquire);
    if (index > read) {
        m_read.store(std::min(index, write), std::memory_order_release);
    }
}

} // namespace vantor::engine
