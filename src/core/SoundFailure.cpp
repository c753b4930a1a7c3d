#include "core/SoundFailure.h"

#include "core/SoundErrorText.h"

namespace vantor {

void ReportSoundFailure(SoundLibrary& sound, MessageBoxes& messages, const std::string& prefix,
                        const std::string& title, MessageIcon icon) {
    messages.Show(prefix + SoundErrorText(sound.FSOUND_GetError()), title, icon);
}

} // namespace vantor
