#include "playlist/WindowDocking.h"

#include <cstdlib>

namespace vantor {

namespace {

bool Near(std::int32_t a, std::int32_t b) {
    return std::abs(std::int64_t{a} - b) < kSnapDistance;
}

} // namespace

PixelPoint SnapToWorkArea(PixelPoint corner, PixelPoint size, const PixelRect& workArea) {
    if (Near(corner.x, workArea.left))
        corner.x = workArea.left;
    if (Near(corner.y, workArea.top))
        corner.y = workArea.top;
    if (Near(corner.x + size.x, workArea.right))
        corner.x = workArea.right - size.x;
    if (Near(corner.y + size.y, workArea.bottom))
        corner.y = workArea.bottom - size.y;
    return corner;
}

std::optional<PixelPoint> FindDockPoint(PixelPoint corner, PixelPoint mainCorner,
                                        const std::array<PixelPoint, 4>& linkPoints) {
    for (const auto& point : linkPoints) {
        if (point == PixelPoint{})
            continue;
        const double dx = static_cast<double>(corner.x) - (mainCorner.x + point.x);
        const double dy = static_cast<double>(corner.y) - (mainCorner.y + point.y);
        if (std::abs(dx) < kDockDistance && std::abs(dy) < kDockDistance)
            return point;
    }
    return std::nullopt;
}

} // namespace vantor
