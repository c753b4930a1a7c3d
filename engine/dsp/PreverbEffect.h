// Pre-reverb: the early reflections of a room, a handful of delayed and
// quieter copies within the first 60 ms.
#pragma once

#include "engine/dsp/DelayLine.h"
#include "engine/dsp/SwitchedEffect.h"

namespace vantor::engine {

class PreverbEffect : public SwitchedEffect {
public:
    explicit PreverbEffect(int rate);

protected:
    void Reset() override { m_line.Clear(); }
    void Wet(const float* in, float* out, std::size_t frames) override;

private:
    DelayLine m_line;
};

} // namespace vantor::engine
