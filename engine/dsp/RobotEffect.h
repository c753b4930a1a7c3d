// The noise ("robot") effect: ring modulation with a low sine carrier, which
// gives voices a metallic, mechanical sound; never louder than its input.
#pragma once

#include "engine/dsp/SwitchedEffect.h"

namespace vantor::engine {

class RobotEffect : public SwitchedEffect {
public:
    static constexpr double kCarrierHz = 70.0;

    explicit RobotEffect(int rate) : SwitchedEffect(rate) {}

protected:
    void Reset() override { m_phase = 0.0; }
    void Wet(const float* in, float* out, std::size_t frames) override;

private:
    double m_phase = 0.0; // of the carrier, 0..1
};

} // namespace vantor::engine
