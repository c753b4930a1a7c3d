// The graphic equaliser as one DSP unit of the sound library it is given.
// Off, or with every level at 0 dB, the unit passes the sound untouched.
// UI thread only; the unit runs on the mixing thread.
#pragma once

#include "sound/EqualizerLevels.h"
#include "sound/SoundLibrary.h"

#include <memory>

namespace vantor::engine {

class EqualizerUnit;

class Equalizer {
public:
    explicit Equalizer(SoundLibrary& sound);
    ~Equalizer();
    Equalizer(const Equalizer&) = delete;
    Equalizer& operator=(const Equalizer&) = delete;

    // `outputRate` is the rate given to FSOUND_Init.
    void Init(int outputRate);
    void Close();
    void Apply(bool on, const EqualizerLevels& levels);

private:
    SoundLibrary& m_sound;
    std::unique_ptr<EqualizerUnit> m_unit;
    DspUnitHandle m_handle = 0;
};

} // namespace vantor::engine
