#include "gfx/WrittenArea.h"

#include <algorithm>

namespace vantor::gfx {

namespace {

long long Area(const Rect& rect) {
    return rect.IsEmpty() ? 0 : static_cast<long long>(rect.Width()) * rect.Height();
}

// Grows `into` to hold `rect` when the two fill their joint box exactly (one
// lies in the other, or they share a whole edge), so that no unwritten pixel
// is added.
bool JoinExactly(Rect& into, const Rect& rect) {
    const Rect joint = Union(into, rect);
    if (Area(joint) != Area(into) + Area(rect) - Area(Intersect(into, rect)))
        return false;
    into = joint;
    return true;
}

} // namespace

void WrittenArea::Add(const Rect& rect) {
    if (rect.IsEmpty())
        return;
    // Most writes continue the last one: the next pixel of a line, a field
    // drawn again within itself.
    if (m_count > 0 && (m_rects[m_last].Contains(rect) || JoinExactly(m_rects[m_last], rect)))
        return;
    for (int i = 0; i < m_count; ++i) {
        if (JoinExactly(m_rects[i], rect)) {
            m_last = i;
            return;
        }
    }
    if (m_count < kMostRects) {
        m_last = m_count++;
        m_rects[m_last] = rect;
        return;
    }
    const auto growth = [&rect](const Rect& kept) { return Area(Union(kept, rect)) - Area(kept); };
    m_last = 0;
    for (int i = 1; i < m_count; ++i) {
        if (growth(m_rects[i]) < growth(m_rects[m_last]))
            m_last = i;
    }
    m_rects[m_last] = Union(m_rects[m_last], rect);
}

Rect WrittenArea::Bounds() const {
    Rect bounds;
    for (const Rect& rect : Rects())
        bounds = Union(bounds, rect);
    return bounds;
}

} // namespace vantor::gfx
