// The shell's side of the player's two windows: showing, hiding and
// raising them, their stacking order, the task-bar button, the tray icon
// and the main pop-up menu at the pointer. The application implements it;
// tests record. UI thread only.
#pragma once

#include "platform/DesktopWindows.h"

#include <cstdint>
#include <string>

namespace vantor {

enum class PlayerWindow { Main, Playlist };

// The tray icon record handed to the shell.
struct TrayIconData {
    std::int32_t size = 88;
    std::int32_t id = 1;
    // Callback message, icon and tip present.
    std::int32_t flags = 7;
    // Tray events arrive as this message (a mouse move) whose horizontal
    // coordinate is the event code.
    std::int32_t callbackMessage = 512;
    std::string tip = "Vantor";
    bool operator==(const TrayIconData&) const = default;
};

class ShellWindows {
public:
    virtual ~ShellWindows() = default;

    // The stacking order: insertAfter -1 puts the window above all others,
    // -2 releases it; flags 3 keep its size and place.
    virtual void SetWindowPos(PlayerWindow window, std::int32_t insertAfter,
                              std::uint32_t flags) = 0;
    virtual void ShowWindow(PlayerWindow window, bool visible) = 0;
    virtual bool IsWindowVisible(PlayerWindow window) const = 0;
    virtual void SetForegroundWindow(PlayerWindow window) = 0;
    // Restores the minimised main window, or minimises it.
    virtual void SetMainWindowMinimised(bool minimised) = 0;
    virtual void SetTaskbarVisible(bool visible) = 0;
    // Whether the desktop has a notification area to hold the tray icon.
    virtual bool HasNotificationArea() const = 0;
    // The shell's icon operation: 0 adds the icon, 2 removes it.
    virtual void NotifyIcon(std::int32_t message, const TrayIconData& icon) = 0;
    virtual void ShowMainPopupMenuAtPointer() = 0;
    // The window's top-left corner in screen pixels.
    virtual ScreenPoint WindowPosition(PlayerWindow window) const = 0;
};

} // namespace vantor
