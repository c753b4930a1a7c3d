// An off-screen picture of 0x00RRGGBB pixels, the raster every skinned
// window is composed in. A Surface owns its pixels and is a plain value
// (copyable, movable). Not thread-safe; one thread draws at a time.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/TextMark.h"
#include "gfx/WrittenArea.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

namespace vantor::gfx {

// The rows of a rectangle of a surface handed out for writing (see
// Surface::WriteRows); Row(y) starts at column 0 and may be written only
// within the rectangle's columns.
class AreaRows {
public:
    AreaRows(Pixel* pixels, int width) : m_pixels(pixels), m_width(width) {}
    Pixel* Row(int y) const {
        return m_pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width);
    }

private:
    Pixel* m_pixels;
    int m_width;
};

class Surface {
public:
    Surface() = default;
    // A size of zero or below in either direction gives an empty surface.
    Surface(int width, int height, Pixel fill = kBlack);
    // A copied or moved-in surface counts as written everywhere.
    Surface(const Surface& other);
    Surface(Surface&& other) noexcept;
    Surface& operator=(const Surface& other);
    Surface& operator=(Surface&& other) noexcept;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsEmpty() const { return m_pixels.empty(); }
    Rect Bounds() const { return {0, 0, m_width, m_height}; }
    bool Contains(int x, int y) const { return Bounds().Contains(x, y); }

    // Rows are Width() pixels, top row first; y must lie inside the surface.
    // A row handed out for writing may be written only within itself.
    Pixel* Row(int y) {
        m_written.Add({0, y, m_width, y + 1});
        return m_pixels.data() + Index(0, y);
    }
    const Pixel* Row(int y) const { return m_pixels.data() + Index(0, y); }
    // The rows of `area`, which must lie inside the surface, handed out for
    // writing within it: drawing that fills a rectangle row by row notes it
    // once.
    AreaRows WriteRows(const Rect& area) {
        m_written.Add(area);
        return {m_pixels.data(), m_width};
    }
    std::span<Pixel> Pixels() {
        m_written.Add(Bounds());
        return m_pixels;
    }
    std::span<const Pixel> Pixels() const { return m_pixels; }

    // Writes outside the surface are ignored, like drawing off a window.
    void SetPixel(int x, int y, Pixel pixel);
    // kInvalidPixel outside the surface.
    Pixel GetPixel(int x, int y) const;

    void Fill(Pixel pixel);
    // Fills the part of `area` that lies inside the surface.
    void FillRect(const Rect& area, Pixel pixel);

    // The pixels handed out for writing or written since the last call (all
    // of them for a new surface), so that the one window showing the surface
    // compares only those; the record starts again empty.
    WrittenArea TakeWrittenArea();

    // The font text drawn here whose pixels may still be shown (see TextMark).
    TextMarks& Marks() { return m_marks; }
    const TextMarks& Marks() const { return m_marks; }

    // Pixels only; marks are what a window may draw better, not what it shows.
    bool operator==(const Surface& other) const;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel> m_pixels;
    WrittenArea m_written;
    TextMarks m_marks;
};

} // namespace vantor::gfx
