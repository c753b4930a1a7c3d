// A window shape or clip area as a list of rectangles with its bounding box,
// the form Pixwell's region builder produces (one rectangle per run of
// opaque pixels in a row). A plain value; one thread at a time.
#pragma once

#include "gfx/Geometry.h"

#include <span>
#include <vector>

namespace vantor::gfx {

class Region {
public:
    Region() = default;
    // Empty rectangles are dropped.
    explicit Region(std::span<const Rect> rects);

    // Adds a rectangle; an empty one is ignored.
    void Add(const Rect& rect);

    bool IsEmpty() const { return m_rects.empty(); }
    std::span<const Rect> Rects() const { return m_rects; }
    // The smallest rectangle holding every rectangle; {} when empty.
    Rect Bounds() const { return m_bounds; }
    bool Contains(int x, int y) const;
    // The sum of the rectangles' areas; the runs of a picture never overlap,
    // so for a window shape this is the number of visible pixels.
    long long Area() const;

    bool operator==(const Region&) const = default;

private:
    std::vector<Rect> m_rects;
    Rect m_bounds;
};

} // namespace vantor::gfx
