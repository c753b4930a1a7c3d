// Living in the tray and staying on top: minimising the player into a tray
// icon, the tray icon's events, and the topmost state of both windows.
// UI thread only.
#pragma once

#include "platform/ShellWindows.h"
#include "settings/Settings.h"

#include <cstdint>

namespace vantor {

inline constexpr std::int32_t NIM_ADD = 0;
inline constexpr std::int32_t NIM_DELETE = 2;

inline constexpr std::int32_t HWND_TOPMOST = -1;
inline constexpr std::int32_t HWND_NOTOPMOST = -2;
inline constexpr std::uint32_t kKeepSizeAndPlace = 3;

// Tray event codes: left button released, left double click, right button
// pressed.
inline constexpr std::int32_t kTrayLeftButtonUp = 514;
inline constexpr std::int32_t kTrayLeftDoubleClick = 515;
inline constexpr std::int32_t kTrayRightButtonDown = 516;

void AddTrayIcon(ShellWindows& windows);
void RemoveTrayIcon(ShellWindows& windows);

// Hides both windows into the tray icon, remembering whether the playlist
// window was shown, and returns true. Callers only use it while
// ShowInSystemTask is 1. A desktop without a notification area could not
// give the windows back: there the main window is only minimised, keeping
// its task-bar button, and the result is false.
bool MinimiseToTray(Settings& settings, ShellWindows& windows);

// The minimise button: into the tray when ShowInSystemTask is 1, else a
// plain minimise that keeps the task-bar button.
void MinimiseMainWindow(Settings& settings, ShellWindows& windows);

// Restores from a left click, opens the menu on a right press; other codes
// do nothing.
void HandleTrayEvent(Settings& settings, ShellWindows& windows, std::int32_t code);

void SetTopMost(ShellWindows& windows, PlayerWindow window, bool on);

// The always-on-top command: flips AlwaysOnTop and applies it to both
// windows. The caller ticks the menu item and saves the settings.
void ToggleAlwaysOnTop(Settings& settings, ShellWindows& windows);

// Applies AlwaysOnTop to both windows, as start-up and the settings dialog do.
void ApplyAlwaysOnTop(const Settings& settings, ShellWindows& windows);

} // namespace vantor
