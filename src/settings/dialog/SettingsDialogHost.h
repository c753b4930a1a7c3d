// What the settings window needs from the running player beyond the
// settings record: the sound system, the windows that show the settings,
// saving, and the restart. The application implements it; tests record.
// UI thread only.
#pragma once

#include "settings/ReplayGainFile.h"
#include "settings/Settings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

class SettingsDialogHost {
public:
    virtual ~SettingsDialogHost() = default;

    // The output devices the sound system offers for `outputType` (0..2).
    virtual std::vector<std::string> DriverNames(std::int32_t outputType) = 0;
    // The stream buffer length for streams opened from now on.
    virtual void SetStreamBufferSize(std::int32_t milliseconds) = 0;
    // Whatever differs from `before` takes effect at once: the analyzer's
    // interval, pattern and pen, the song-information font and line, the
    // playlist and its tag reader, the play modes, the windows' stacking.
    virtual void ApplyChangedSettings(const Settings& before) = 0;
    // The loudness correction chosen, which "Vantor.DVC" has no key for; a
    // new choice applies to tracks started from then on and is saved with
    // the settings.
    virtual ReplayGainChoice ReplayGainNow() const = 0;
    virtual void SetReplayGain(const ReplayGainChoice& choice) = 0;
    // Writes "Vantor.DVC"; the effect chain follows the settings first.
    virtual void SaveSettings() = 0;
    // Shuts the sound system down and starts the program again.
    virtual void Restart() = 0;
    virtual void TrimWorkingSet() = 0;
};

} // namespace vantor
