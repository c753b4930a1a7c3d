// The message box that reports a failed sound library call with the
// library's own error text. UI thread only.
#pragma once

#include "platform/MessageBoxes.h"
#include "sound/SoundLibrary.h"

#include <string>

namespace vantor {

// Shows `prefix` followed by the text of FSOUND_GetError() under `title`.
void ReportSoundFailure(SoundLibrary& sound, MessageBoxes& messages, const std::string& prefix,
                        const std::string& title, MessageIcon icon);

// The title every message without a title of its own carries.
inline constexpr const char* kDefaultMessageTitle = "Vantor";

} // namespace vantor
