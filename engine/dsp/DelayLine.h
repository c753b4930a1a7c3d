// A stereo delay line of fixed capacity, allocated once. Mixing thread only
// after construction.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vantor::engine {

class DelayLine {
public:
    explicit DelayLine(std::size_t capacityFrames)
        : m_data(2 * std::max<std::size_t>(capacityFrames, 1), 0.0f) {}

    std::size_t Capacity() const { return m_data.size() / 2; }
    void Clear() { std::fill(m_data.begin(), m_data.end(), 0.0f); }
    // The frame written `delay` frames ago (1 <= delay <= Capacity()).
    float Tap(std::size_t delay, int channel) const {
        std::size_t at = (m_head + Capacity() - delay) % Capacity();
        return m_data[2 * at + static_cast<std::size_t>(channel)];
    }
    void Push(float left, float right) {
        m_data[2 * m_head] = left;
        m_data[2 * m_head + 1] = right;
        m_head = (m_head + 1) % Capacity();
    }

private:
    std::vector<float> m_data;
    std::size_t m_head = 0;
};

} // namespace vantor::engine
