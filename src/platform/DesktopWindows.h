// The desktop's windows as the playback tick sees them: whether the main
// window is the foreground window, what the foreground window is and where
// it lies (for docking), and moving the main window. The application
// implements it; tests script it. UI thread only.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// A window rectangle in screen pixels: left, top, right, bottom.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ForegroundWindow {
    // False when no window has the focus.
    bool exists = false;
    // One of the player's own windows (main, playlist, dialogs).
    bool isPlayerWindow = false;
    // The desktop itself or a panel of the desktop, which nothing docks to.
    bool isDesktopOrPanel = false;
    std::string title;
    std::string className;
    ScreenRect rect;
};

class DesktopWindows {
public:
    virtual ~DesktopWindows() = default;
    virtual bool MainWindowIsForeground() const = 0;
    virtual ForegroundWindow Foreground() const = 0;
    // Moves the main window's top-left corner to (x, y) in screen pixels.
    virtual void MoveMainWindow(std::int32_t x, std::int32_t y) = 0;
};

} // namespace vantor
