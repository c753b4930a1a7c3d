// Keeping the main window docked to the window the user works in, at the
// corner and offset the skin names. Pure arithmetic plus one move; UI
// thread only.
#pragma once

#include "core/PlayerView.h"
#include "platform/DesktopWindows.h"

#include <optional>

namespace vantor {

// The main window's top-left corner docked at `dock` of `foreground`; none
// when the foreground window is one nothing docks to (none at all, the
// desktop, the task manager, the panel, or the player's own windows) or the
// dock position is not 0 to 3.
std::optional<ScreenPoint> DockedPosition(const ForegroundWindow& foreground,
                                          const DockPoint& dock);

// Moves the main window to its docked place when the skin docks it.
void DockMainWindow(const PlayerView& view, DesktopWindows& desktop);

} // namespace vantor
