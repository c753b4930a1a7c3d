#include "visual/OscilloscopeCapture.h"

#include <algorithm>

namespace vantor {

float* OscilloscopeCapture::Callback(float*, float* newBuffer, std::int32_t length,
                                     void* userValue) {
    if (userValue != nullptr && newBuffer != nullptr)
        static_cast<OscilloscopeCapture*>(userValue)->Capture(newBuffer, length);
    return newBuffer;
}

void OscilloscopeCapture::Capture(const float* block, std::int32_t length) {
    const int published = m_published.load(std::memory_order_relaxed);
    const int slot = (published + 1) % static_cast<int>(m_buffers.size());
    const std::size_t count =
        std::min(kCapacity, static_cast<std::size_t>(std::max(length, 0)) * 2);
    std::copy_n(block, count, m_buffers[slot].begin());
    m_sizes[slot].store(count, std::memory_order_relaxed);
    m_published.store(slot, std::memory_order_release);
    std::int32_t counter = m_counter.load(std::memory_order_relaxed) + 1;
    if (counter >= m_blockCount.load(std::memory_order_relaxed))
        counter = 0;
    m_counter.store(counter, std::memory_order_relaxed);
}

std::size_t OscilloscopeCapture::CopyLatest(std::span<float> out) const {
    const int slot = m_published.load(std::memory_order_acquire);
    if (slot < 0)
        return 0;
    const std::size_t count = std::min(out.size(), m_sizes[slot].load(std::memory_order_relaxed));
    std::copy_n(m_buffers[slot].begin(), count, out.begin());
    return count;
}

} // namespace vantor
