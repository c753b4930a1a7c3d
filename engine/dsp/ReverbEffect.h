// Reverb: four damped feedback combs and two all-pass diffusers per side
// (the classic Schroeder form), every loop gain below one.
#pragma once

#include "engine/dsp/SwitchedEffect.h"

#include <array>
#include <vector>

namespace vantor::engine {

class ReverbEffect : public SwitchedEffect {
public:
    explicit ReverbEffect(int rate);

protected:
    void Reset() override;
    void Wet(const float* in, float* out, std::size_t frames) override;

private:
    struct Loop {
        std::vector<float> buffer;
        std::size_t at = 0;
        float store = 0.0f; // the comb's damping memory
    };
    float Comb(Loop& loop, float x);
    static float AllPass(Loop& loop, float x);

    std::array<std::array<Loop, 4>, 2> m_combs;
    std::array<std::array<Loop, 2>, 2> m_allPasses;
};

} // namespace vantor::engine
