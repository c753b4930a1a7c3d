// The pitch-shifting DSP unit around SoundTouch. Changing SoundTouch's pitch
// recalculates (and allocates) its filters, so the UI thread builds and
// primes a shifter for each new pitch and hands it over through an atomic;
// the mixing thread swaps it in and hands the old one back for the UI thread
// to delete. The switch and the clear request are atomics as well.
#pragma once

#include "engine/dsp/SwitchedEffect.h"

#include <array>
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

    // UI thread.
    void SetPitch(float pitch);
    void RequestClear() { m_clearRequested.store(true); }

protected:
    void Reset() override;
    void Wet(const float* in, float* out, std::size_t frames) override;

private:
    std::unique_ptr<soundtouch::SoundTouch> MakeShifter(float pitch) const;
    void TakePendingShifter();
    void DeleteRetiredShifters();

    std::unique_ptr<soundtouch::SoundTouch> m_touch; // mixing thread; null until a pitch is set
    std::atomic<soundtouch::SoundTouch*> m_pending{nullptr};
    std::array<std::atomic<soundtouch::SoundTouch*>, 8> m_retired{};
    std::atomic<bool> m_clearRequested{false};
};

} // namespace vantor::engine
