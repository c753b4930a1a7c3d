#include "engine/dsp/LowPassEffect.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantor::engine {

namespace {
constexpr float kMinQ = 0.5f;
constexpr float kMaxQ = 10.0f;
} // namespace

void LowPassEffect::SetParameters(float cutoff, float resonance) {
    m_cutoff.store(cutoff);
    m_resonance.store(resonance);
}

void LowPassEffect::UpdateCoefficients() {
    float cutoff = m_cutoff.load(std::memory_order_relaxed);
    float resonance = m_resonance.load(std::memory_order_relaxed);
    if (cutoff == m_appliedCutoff && resonance == m_appliedResonance) {
        return;
    }
    m_appliedCutoff = cutoff;
    m_appliedResonance = resonance;
    double f = std::clamp(static_cast<double>(cutoff), 20.0, 0.45 * Rate());
    double q = std::clamp(static_cast<double>(resonance), static_cast<double>(kMinQ),
                          static_cast<double>(kMaxQ));
    double w = 2.0 * std::numbers::pi * f / Rate();
    double alpha = std::sin(w) / (2.0 * q);
    double a0 = 1.0 + alpha;
    double gain = 1.0 / std::max(1.0, q); // the peak rises to about Q
    m_b0 = static_cast<float>((1.0 - std::cos(w)) / 2.0 / a0 * gain);
    m_b1 = static_cast<float>((1.0 - std::cos(w)) / a0 * gain);
    m_b2 = m_b0;
    m_a1 = static_cast<float>(-2.0 * std::cos(w) / a0);
    m_a2 = static_cast<float>((1.0 - alpha) / a0);
}

void LowPassEffect::Wet(const float* in, float* out, std::size_t frames) {
    UpdateCoefficients();
    for (std::size_t c = 0; c < 2; ++c) {
        float z1 = m_state[2 * c];
        float z2 = m_state[2 * c + 1];
        for (std::size_t i = 0; i < frames; ++i) {
            float x = in[2 * i + c];
            float y = m_b0 * x + z1;
            z1 = m_b1 * x - m_a1 * y + z2;
            z2 = m_b2 * x - m_a2 * y;
            out[2 * i + c] = y;
        }
        m_state[2 * c] = z1;
        m_state[2 * c + 1] = z2;
    }
}

} // namespace vantor::engine
