// What the equaliser page asks of the running player. UI thread.
#pragma once

#include "sound/EqualizerLevels.h"

namespace vantor {

class EqualizerHost {
public:
    virtual ~EqualizerHost() = default;

    // The levels the player keeps (loaded at start, saved with the settings).
    virtual EqualizerLevels EqualizerLevelsNow() const = 0;
    // The sound follows at once; the player keeps the levels only once the
    // settings window applies.
    virtual void DriveEqualizer(bool on, const EqualizerLevels& levels) = 0;
    // The window closed: what was driven but not applied is dropped, and the
    // sound goes back to the kept switch and levels.
    virtual void EndEqualizerPreview() = 0;
};

} // namespace vantor
