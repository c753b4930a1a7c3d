// Where a surface was written since the one window showing it last looked: a
// few rectangles that together hold every written pixel, so that the window
// compares only what was drawn (a field, a column of the analyzer) rather
// than whole rows of the face. A plain value kept by its Surface; no
// allocation. One thread at a time.
#pragma once

#include "gfx/Geometry.h"

#include <array>
#include <span>

namespace vantor::gfx {

class WrittenArea {
public:
    // A tick draws a handful of fields; more rectangles than this are joined.
    static constexpr int kMostRects = 8;

    WrittenArea() = default;
    // An area of one rectangle: a surface written everywhere, say.
    explicit WrittenArea(const Rect& rect) { Add(rect); }

    // Adds a rectangle (an empty one is ignored). It joins the rectangle it
    // continues or lies in; when none is left free, the one it grows least.
    void Add(const Rect& rect);

    bool IsEmpty() const { return m_count == 0; }
    std::span<const Rect> Rects() const {
        return {m_rects.data(), static_cast<std::size_t>(m_count)};
    }
    // The smallest rectangle holding every written pixel; {} when empty.
    Rect Bounds() const;

private:
    std::array<Rect, kMostRects> m_rects{};
    int m_count = 0;
    // The rectangle added to last.
    int m_last = 0;
};

} // namespace vantor::gfx
