// The playback tick: keeps the main window's face in step with the focus,
// moves through the playlist at the end of each track, shows the position,
// time and minimised title, and docks the main window. Run by the main
// window's timer on the UI thread.
#pragma once

#include "core/PlaybackContext.h"
#include "platform/DesktopWindows.h"

namespace vantor {

void PlaybackTick(PlaybackContext& ctx, DesktopWindows& desktop);

} // namespace vantor
