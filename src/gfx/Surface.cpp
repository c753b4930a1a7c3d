#include "gfx/Surface.h"

#include <algorithm>
#include <utility>

namespace vantor::gfx {

Surface::Surface(int width, int height, Pixel fill) {
    if (width <= 0 || height <= 0)
        return;
    m_width = width;
    m_height = height;
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    m_written = WrittenArea(Bounds());
}

Surface::Surface(const Surface& other)
    : m_width(other.m_width), m_height(other.m_height), m_pixels(other.m_pixels),
      m_written(WrittenArea(other.Bounds())), m_marks(other.m_marks) {}

Surface::Surface(Surface&& other) noexcept
    : m_width(std::exchange(other.m_width, 0)), m_height(std::exchange(other.m_height, 0)),
      m_pixels(std::move(other.m_pixels)), m_written(WrittenArea(Bounds())),
      m_marks(std::exchange(other.m_marks, {})) {
    other.m_pixels.clear();
    other.m_written = {};
}

Surface& Surface::operator=(const Surface& other) {
    if (this != &other) {
        m_width = other.m_width;
        m_height = other.m_height;
        m_pixels = other.m_pixels;
        m_written = WrittenArea(Bounds());
        m_marks = other.m_marks;
    }
    return *this;
}

Surface& Surface::operator=(Surface&& other) noexcept {
    if (this != &other) {
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_pixels = std::move(other.m_pixels);
        m_marks = std::exchange(other.m_marks, {});
        other.m_pixels.clear();
        other.m_written = {};
        m_written = WrittenArea(Bounds());
    }
    return *this;
}

WrittenArea Surface::TakeWrittenArea() {
    return std::exchange(m_written, WrittenArea{});
}

bool Surface::operator==(const Surface& other) const {
    return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
}

void Surface::SetPixel(int x, int y, Pixel pixel) {
    if (Contains(x, y)) {
        m_written.Add({x, y, x + 1, y + 1});
        m_pixels[Index(x, y)] = pixel;
    }
}

Pixel Surface::GetPixel(int x, int y) const {
    return Contains(x, y) ? m_pixels[Index(x, y)] : kInvalidPixel;
}

void Surface::Fill(Pixel pixel) {
    m_written.Add(Bounds());
    std::fill(m_pixels.begin(), m_pixels.end(), pixel);
    m_marks.Clear();
}

void Surface::FillRect(const Rect& area, Pixel pixel) {
    const Rect clipped = Intersect(area, Bounds());
    m_marks.DropInside(clipped);
    const AreaRows rows = WriteRows(clipped);
    for (int y = clipped.top; y < clipped.bottom; ++y)
        std::fill(rows.Row(y) + clipped.left, rows.Row(y) + clipped.right, pixel);
}

} // namespace vantor::gfx
