// The pitch library: shifts the pitch of the sound library's output without
// changing its speed. UI thread only.
#pragma once

namespace vantor {

class PitchLibrary {
public:
    virtual ~PitchLibrary() = default;

    // `outputRate` is the rate given to FSOUND_Init.
    virtual void InitTonalis(int outputRate) = 0;
    virtual void CloseTonalis() = 0;
    // The player passes 1.0, 1.0 and the pitch factor (2.0 = an octave up).
    virtual void TonalisStart(float tempo, float rate, float pitch) = 0;
    virtual void TonalisStop() = 0;
    // Drops the sound held inside the pitch shifter (a track was closed).
    virtual void ClearDspBuffer() = 0;
    virtual float Tonalis_GetVersion() = 0;
};

} // namespace vantor
