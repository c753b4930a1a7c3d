// What the spectrum analyzer needs of playback and the sound library: whether
// a track is sounding, whether anything is paused, and the newest spectrum.
// The player core implements it (with `FetchSpectrum` below); tests fake it.
// UI thread only.
#pragma once

#include "sound/SoundLibrary.h"

namespace vantor {

class AnalyzerSource {
public:
    virtual ~AnalyzerSource() = default;
    // A playback slot is playing.
    virtual bool IsLive() = 0;
    // One of the two stream channels or the two modules is paused.
    virtual bool IsAnyPaused() = 0;
    virtual Spectrum FetchSpectrum() = 0;
};

// The newest spectrum, with the library's FFT unit switched on first when it
// is not active.
Spectrum FetchSpectrum(SoundLibrary& sound);

} // namespace vantor
