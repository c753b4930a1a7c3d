#include "core/Docking.h"

namespace vantor {

namespace {

bool RefusesDocking(const ForegroundWindow& window) {
    return !window.exists || window.isPlayerWindow || window.isDesktopOrPanel ||
           window.title == "Program Manager" || window.title == "Windows タスク マネージャ" ||
           window.className == "Shell_TrayWnd";
}

} // namespace

std::optional<ScreenPoint> DockedPosition(const ForegroundWindow& foreground,
                                          const DockPoint& dock) {
    if (dock.position < 0 || dock.position > 3 || RefusesDocking(foreground))
        return std::nullopt;
    const ScreenRect& r = foreground.rect;
    const bool right = dock.position == 1 || dock.position == 3;
    const bool bottom = dock.position >= 2;
    return ScreenPoint{(right ? r.right : r.left) + dock.x, (bottom ? r.bottom : r.top) + dock.y};
}

void DockMainWindow(const PlayerView& view, DesktopWindows& desktop) {
    const auto dock = view.SkinDockPoint();
    if (!dock)
        return;
    if (const auto place = DockedPosition(desktop.Foreground(), *dock))
        desktop.MoveMainWindow(place->x, place->y);
}

} // namespace vantor
