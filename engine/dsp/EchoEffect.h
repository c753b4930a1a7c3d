// Echo: repeats the sound after a delay set by the echo setting (in ms,
// 10..2000), each repeat quieter, so it dies away. Parameters from the UI
// thread; processing on the mixing thread.
#pragma once

#include "engine/dsp/DelayLine.h"
#include "engine/dsp/SwitchedEffect.h"

namespace vantor::engine {

class EchoEffect : public SwitchedEffect {
public:
    static constexpr int kMaxDelayMs = 2000;

    explicit EchoEffect(int rate);
    void SetLevel(std::int32_t level);

protected:
    void Reset() override { m_line.Clear(); }
    void Wet(const float* in, float* out, std::size_t frames) override;

private:
    DelayLine m_line;
    std::atomic<std::size_t> m_delayFrames;
};

} // namespace vantor::engine
