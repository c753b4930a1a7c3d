#include "gfx/Surface.h"

#include <algorithm>

namespace vantor::gfx {

Surface::Surface(int width, int height, Pixel fill) {
    if (width <= 0 || height <= 0)
        return;
    m_width = width;
    m_height = height;
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

void Surface::SetPixel(int x, int y, Pixel pixel) {
    if (Contains(x, y))
        m_pixels[Index(x, y)] = pixel;
}

Pixel Surface::GetPixel(int x, int y) const {
    return Contains(x, y) ? m_pixels[Index(x, y)] : kInvalidPixel;
}

void Surface::Fill(Pixel pixel) {
    std::fill(m_pixels.begin(), m_pixels.end(), pixel);
}

void Surface::FillRect(const Rect& area, Pixel pixel) {
    const Rect clipped = Intersect(area, Bounds());
    for (int y = clipped.top; y < clipped.bottom; ++y)
        std::fill(Row(y) + clipped.left, Row(y) + clipped.right, pixel);
}

} // namespace vantor::gfx
