// The ten-band graphic equaliser: one peaking filter an octave wide per band,
// a preamp and a peak limiter that keeps boosted sound below full scale.
// The UI thread computes the filters' coefficients and hands them over
// through three preallocated slots and one atomic index; the mixing thread
// glides from the coefficients it runs to the newest ones over a few
// milliseconds, so moving a slider never clicks.
#pragma once

#include "engine/dsp/SwitchedEffect.h"
#include "sound/EqualizerLevels.h"

#include <array>
#include <atomic>

namespace vantor::engine {

class EqualizerUnit : public SwitchedEffect {
public:
    explicit EqualizerUnit(int rate);

    // UI thread.
    void SetLevels(const EqualizerLevels& levels);

protected:
    void Reset() override;
    void Wet(const float* in, float* out, std::size_t frames) override;

private:
    // Normalised by a0: y = b0 x + b1 x1 + b2 x2 - a1 y1 - a2 y2.
    struct Biquad {
        double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    };
    struct Coefficients {
        std::array<Biquad, kEqualizerBands> bands{};
        double preamp = 1.0;
    };
    struct FilterState {
        double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
    };

    Coefficients Design(const EqualizerLevels& levels) const;
    bool TakeNewest();
    void GlideStep();
    double Filter(std::size_t channel, double sample);
    double Limit(double left, double right);

    // Handover: the writer fills m_slots[m_writeSlot] and swaps it with the
    // middle slot; kFresh marks a middle slot the reader has not taken yet.
    static constexpr int kFresh = 4;
    std::array<Coefficients, 3> m_slots{};
    int m_writeSlot = 0; // UI thread
    std::atomic<int> m_middleSlot{1};
    int m_readSlot = 2; // mixing thread

    // Mixing thread.
    Coefficients m_current{};
    int m_glideLeft = 0;
    std::array<std::array<FilterState, kEqualizerBands>, 2> m_state{};
    double m_limiterGain = 1.0;
    const double m_glideFactor;
    const int m_glideSamples;
    const double m_release;
};

} // namespace vantor::engine
