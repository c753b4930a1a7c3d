#include "engine/dsp/RobotEffect.h"

#include <cmath>
#include <numbers>

namespace vantor::engine {

void RobotEffect::Wet(const float* in, float* out, std::size_t frames) {
    double step = kCarrierHz / Rate();
    for (std::size_t i = 0; i < frames; ++i) {
        auto carrier = static_cast<float>(std::sin(2.0 * std::numbers::pi * m_phase));
        out[2 * i] = in[2 * i] * carrier;
        out[2 * i + 1] = in[2 * i + 1] * carrier;
        m_phase += step;
        m_phase -= std::floor(m_phase);
    }
}

} // namespace vantor::engine
