// A resonant low-pass filter (a two-pole IIR section): cut-off in Hz and
// resonance as the filter's Q, clamped so it cannot ring away; the output is
// scaled so the resonant peak stays near unity gain.
#pragma once

#include "engine/dsp/SwitchedEffect.h"

#include <array>

namespace vantor::engine {

class LowPassEffect : public SwitchedEffect {
public:
    explicit LowPassEffect(int rate) : SwitchedEffect(rate) {}
    void SetParameters(float cutoff, float resonance);

protected:
    void Reset() override { m_state = {}; }
    void Wet(const float* in, float* out, std::size_t frames) override;

private:
    void UpdateCoefficients();

    std::atomic<float> m_cutoff{200.0f};
    std::atomic<float> m_resonance{2.0f};
    float m_appliedCutoff = -1.0f;
    float m_appliedResonance = -1.0f;
    float m_b0 = 0, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    std::array<float, 4> m_state{}; // per channel: z1, z2
};

} // namespace vantor::engine
