// Linking the playlist window to the main window: the playlist window then
// follows the main window at the offset it had when linked. UI thread only.
#pragma once

#include "core/CommandHost.h"
#include "platform/ShellWindows.h"
#include "settings/Settings.h"

namespace vantor {

void LinkPlaylistWindow(Settings& settings, const ShellWindows& windows, CommandHost& host);

} // namespace vantor
