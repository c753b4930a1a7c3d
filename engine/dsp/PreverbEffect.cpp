#include "engine/dsp/PreverbEffect.h"

#include <array>

namespace vantor::engine {

namespace {
struct Reflection {
    int ms;
    float gain;
    bool crossed; // heard from the other side
};
constexpr std::array<Reflection, 6> kReflections{{
    {11, 0.30f, false},
    {17, 0.25f, true},
    {23, 0.20f, false},
    {31, 0.16f, true},
    {41, 0.12f, false},
    {53, 0.09f, true},
}};
constexpr int kLongestMs = 60;
constexpr float kDry = 0.75f;
} // namespace

PreverbEffect::PreverbEffect(int rate)
    : SwitchedEffect(rate), m_line(static_cast<std::size_t>(rate) * kLongestMs / 1000 + 1) {}

void PreverbEffect::Wet(const float* in, float* out, std::size_t frames) {
    for (std::size_t i = 0; i < frames; ++i) {
        m_line.Push(in[2 * i], in[2 * i + 1]);
        float left = kDry * in[2 * i];
        float right = kDry * in[2 * i + 1];
        for (const Reflection& r : kReflections) {
            auto delay = static_cast<std::size_t>(Rate()) * static_cast<std::size_t>(r.ms) / 1000;
            left += r.gain * m_line.Tap(delay, r.crossed ? 1 : 0);
            right += r.gain * m_line.Tap(delay, r.crossed ? 0 : 1);
        }
        out[2 * i] = left;
        out[2 * i + 1] = right;
    }
}

} // namespace vantor::engine
