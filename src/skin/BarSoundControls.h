// How the skinned bars reach the sound: the playback side applies a volume
// to the sounding track(s), a pan to the mixer output, the playback-rate
// settings, and seeks. The player core implements it; tests record.
// UI thread only.
#pragma once

#include <cstdint>

namespace vantor {

class BarSoundControls {
public:
    virtual ~BarSoundControls() = default;
    // Module master volume or stream channel volume, for both players while
    // two are active.
    virtual void ApplyVolume(std::int32_t volume) = 0;
    // The pan of the mixer output (the system channel).
    virtual void ApplyPan(std::int32_t pan) = 0;
    // Re-applies the playback-rate settings after the pitch scale changed.
    virtual void ApplySoundControls() = 0;
    // While the seek bar is dragged: a module to round(fraction × orders), a
    // stream to round(fraction × length); nothing when nothing plays.
    virtual void SeekToFraction(double fraction) = 0;
    // At release: a seek value 0 to 255 applied to the playing track(s).
    virtual void SetSeek(std::int32_t value) = 0;
};

} // namespace vantor
