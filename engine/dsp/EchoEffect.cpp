#include "engine/dsp/EchoEffect.h"

#include <algorithm>

namespace vantor::engine {

namespace {
constexpr float kFeedback = 0.4f; // below 1: every echo is quieter than the last
constexpr float kEchoGain = 0.5f;
} // namespace

EchoEffect::EchoEffect(int rate)
    : SwitchedEffect(rate), m_line(static_cast<std::size_t>(rate) * kMaxDelayMs / 1000 + 1),
      m_delayFrames(static_cast<std::size_t>(rate) / 2) {}

void EchoEffect::SetLevel(std::int32_t level) {
    auto ms = static_cast<std::size_t>(std::clamp(level, 10, kMaxDelayMs));
    m_delayFrames.store(std::max<std::size_t>(1, static_cast<std::size_t>(Rate()) * ms / 1000));
}

void EchoEffect::Wet(const float* in, float* out, std::size_t frames) {
    std::size_t delay = std::min(m_delayFrames.load(std::memory_order_relaxed), m_line.Capacity());
    for (std::size_t i = 0; i < frames; ++i) {
        float echoL = m_line.Tap(delay, 0);
        float echoR = m_line.Tap(delay, 1);
        out[2 * i] = in[2 * i] + kEchoGain * echoL;
        out[2 * i + 1] = in[2 * i + 1] + kEchoGain * echoR;
        m_line.Push(in[2 * i] + kFeedback * echoL, in[2 * i + 1] + kFeedback * echoR);
    }
}

} // namespace vantor::engine
