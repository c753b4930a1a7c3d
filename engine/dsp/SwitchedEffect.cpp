#include "engine/dsp/SwitchedEffect.h"

#include <algorithm>

namespace vantor::engine {

namespace {
constexpr double kFadeSeconds = 0.02;
constexpr std::size_t kChunkFrames = 1024;
} // namespace

SwitchedEffect::SwitchedEffect(int rate)
    : m_rate(rate), m_fadeStep(static_cast<float>(1.0 / (kFadeSeconds * rate))),
      m_input(2 * kChunkFrames), m_wet(2 * kChunkFrames) {}

float* SwitchedEffect::Process(float*, float* block, std::int32_t frames, void* userValue) {
    auto* self = static_cast<SwitchedEffect*>(userValue);
    auto count = static_cast<std::size_t>(std::max(frames, 0));
    for (std::size_t done = 0; done < count; done += kChunkFrames) {
        self->Run(block + 2 * done, std::min(kChunkFrames, count - done));
    }
    return block;
}

void SwitchedEffect::Run(float* block, std::size_t frames) {
    bool wanted = m_wanted.load(std::memory_order_acquire);
    if (!wanted && m_mix == 0.0f) {
        m_running = false;
        return;
    }
    if (!m_running) {
        Reset();
        m_running = true;
        m_inputLevel = 0.0f;
    }
    for (std::size_t i = 0; i < frames; ++i) {
        m_inputLevel = std::min(1.0f, m_inputLevel + m_fadeStep);
        m_input[2 * i] = block[2 * i] * m_inputLevel;
        m_input[2 * i + 1] = block[2 * i + 1] * m_inputLevel;
    }
    Wet(m_input.data(), m_wet.data(), frames);
    float target = wanted ? 1.0f : 0.0f;
    for (std::size_t i = 0; i < frames; ++i) {
        m_mix = m_mix < target ? std::min(target, m_mix + m_fadeStep)
                               : std::max(target, m_mix - m_fadeStep);
        block[2 * i] += (m_wet[2 * i] - block[2 * i]) * m_mix;
        block[2 * i + 1] += (m_wet[2 * i + 1] - block[2 * i + 1]) * m_mix;
    }
}

} // namespace vantor::engine
