#include "gfx/Region.h"

#include <algorithm>

namespace vantor::gfx {

Region::Region(std::span<const Rect> rects) {
    m_rects.reserve(rects.size());
    for (const Rect& rect : rects)
        Add(rect);
}

void Region::Add(const Rect& rect) {
    if (rect.IsEmpty())
        return;
    m_rects.push_back(rect);
    m_bounds = Union(m_bounds, rect);
}

bool Region::Contains(int x, int y) const {
    if (!m_bounds.Contains(x, y))
        return false;
    return std::any_of(m_rects.begin(), m_rects.end(),
                       [x, y](const Rect& rect) { return rect.Contains(x, y); });
}

long long Region::Area() const {
    long long area = 0;
    for (const Rect& rect : m_rects)
        area += static_cast<long long>(rect.Width()) * rect.Height();
    return area;
}

} // namespace vantor::gfx
