// The pitch-shifting DSP unit around SoundTouch. The pitch factor, the switch
// and the clear request come from the UI thread as atomics; the mixing thread
// feeds SoundTouch one block at a time and fades between dry and shifted
// sound when the switch changes. SoundTouch is primed at construction so its
// buffers have grown to their working size before the mixing thread uses it.
#pragma once

#include "engine/dsp/SwitchedEffect.h"

#include <memory>

namespace soundtouch {
class SoundTouch;
}

namespace vantor::engine {

class PitchUnit : public SwitchedEffect {
public:
    static constexpr float kMinPitch = 0.25f;
    static constexpr float kMaxPitch = 4.0f;

    explicit PitchUnit(int rate);
    ~PitchUnit() override;

    void SetPitch(float pitch);
    void RequestClear() { m_clearRequested.store(true); }

protected:
    void Reset() override;
    void Wet(const float* in, float* out, std::size_t frames) override;

private:
    void Prime(float pitch);

    std::unique_ptr<soundtouch::SoundTouch> m_touch;
    std::atomic<float> m_pitch{1.0f};
    float m_appliedPitch = 1.0f;
    std::atomic<bool> m_clearRequested{false};
};

} // namespace vantor::engine
