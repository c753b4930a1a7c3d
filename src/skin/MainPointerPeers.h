// What the main window's pointer handling asks of the rest of the player:
// the context menu, the button commands, the analyzer style, the volume
// animation, and the window's place on the desktop. The player core and the
// window implement it; tests record. UI thread only.
#pragma once

#include "platform/DesktopWindows.h"
#include "skin/SkinDefinition.h"

#include <cstdint>

namespace vantor {

class MainPointerPeers {
public:
    virtual ~MainPointerPeers() = default;
    virtual void ShowContextMenu(std::int32_t x, std::int32_t y) = 0;
    // The command of a released button; `target` is the change-skin target
    // of the region that was hit.
    virtual void RunButtonCommand(MainButton button, std::int32_t target) = 0;
    // A press on the analyzer area: the next analyzer style.
    virtual void NextAnalyzerStyle() = 0;
    // The volume knob turns frame by frame from the volume's frame towards
    // `targetFrame` of its strip; a new target takes over a running turn.
    virtual void StartVolumeAnimation(std::int32_t targetFrame) = 0;

    virtual ScreenPoint MainWindowPosition() const = 0;
    // The desktop's work area in screen pixels.
    virtual ScreenRect WorkArea() const = 0;
    // The opaque part of the main window's shape, relative to the window.
    virtual ScreenRect OpaqueBounds() const = 0;
    // Moves the main window (and stores its position in the settings).
    virtual void MoveMainWindow(ScreenPoint to) = 0;
    virtual void MovePlayListWindowBy(std::int32_t dx, std::int32_t dy) = 0;
};

} // namespace vantor
