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
    const std::size_t count =
        std::min(kCapacity, static_cast<std::size_t>(std::max(length, 0)) * 2);
    m_blocks.Publish([&](float* slot) {
        std::copy_n(block, count, slot);
        std::fill(slot + count, slot + kCapacity, 0.0f);
    });
    m_length.store(count, std::memory_order_relaxed);
    std::int32_t counter = m_counter.load(std::memory_order_relaxed) + 1;
    if (counter >= m_blockCount.load(std::memory_order_relaxed))
        counter = 0;
    m_counter.store(counter, std::memory_order_relaxed);
}

std::size_t OscilloscopeCapture::CopySounding(std::span<float> out) const {
    const std::span<float> wanted =
        out.first(std::min(out.size(), m_length.load(std::memory_order_relaxed)));
    return m_blocks.CopySounding(wanted) == 0 ? 0 : wanted.size();
}

} // namespace vantor
