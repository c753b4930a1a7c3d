// The pitch library on SoundTouch: one DSP unit of the sound library it is
// given shifts the pitch of the whole output without changing its speed.
// UI thread only; the unit runs on the mixing thread.
#pragma once

#include "sound/PitchLibrary.h"
#include "sound/SoundLibrary.h"

#include <memory>

namespace vantor::engine {

class PitchUnit;

class PitchShifter : public PitchLibrary {
public:
    explicit PitchShifter(SoundLibrary& sound);
    ~PitchShifter() override;

    void InitTonalis(int outputRate) override;
    void CloseTonalis() override;
    void TonalisStart(float tempo, float rate, float pitch) override;
    void TonalisStop() override;
    void ClearDspBuffer() override;
    float Tonalis_GetVersion() override;

private:
    SoundLibrary& m_sound;
    std::unique_ptr<PitchUnit> m_unit;
    DspUnitHandle m_handle = 0;
};

} // namespace vantor::engine
