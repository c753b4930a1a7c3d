// Where a dragged window lands: snapped to the edges of the desktop work
// area, and docked to the main window at one of the skin's link points.
// Pure arithmetic in pixels; any thread.
#pragma once

#include "playlist/PlaylistView.h"

#include <array>
#include <optional>

namespace vantor {

inline constexpr std::int32_t kSnapDistance = 10;
inline constexpr double kDockDistance = 15.0;

// Each edge of the window (top-left `corner`, `size`) closer than
// kSnapDistance to the same edge of the work area is moved onto it, edge by
// edge: left, top, right, bottom.
PixelPoint SnapToWorkArea(PixelPoint corner, PixelPoint size, const PixelRect& workArea);

// The first link point (0 to 3; (0, 0) means none) whose docking place,
// the main window's corner plus the point, lies less than kDockDistance
// from `corner` both horizontally and vertically.
std::optional<PixelPoint> FindDockPoint(PixelPoint corner, PixelPoint mainCorner,
                                        const std::array<PixelPoint, 4>& linkPoints);

} // namespace vantor
