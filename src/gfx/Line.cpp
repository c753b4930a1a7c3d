#include "gfx/Line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantor::gfx {

namespace {

// Bresenham from `from` towards `to`, stopping before `to`.
void DrawThinLine(Surface& surface, Point from, Point to, Pixel colour) {
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    Point p = from;
    while (p != to) {
        surface.SetPixel(p.x, p.y, colour);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
}

// Squared distance from (px, py) to the segment a-b.
double DistanceSquared(double px, double py, double ax, double ay, double bx, double by) {
    const double vx = bx - ax;
    const double vy = by - ay;
    const double length2 = vx * vx + vy * vy;
    double t = length2 > 0 ? ((px - ax) * vx + (py - ay) * vy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = ax + t * vx - px;
    const double ey = ay + t * vy - py;
    return ex * ex + ey * ey;
}

// Pixel centres lie at x + 0.5. An odd width centres the line on the pixel
// centres and an even one on the pixel edges, so a horizontal line of width
// w covers exactly w rows.
void DrawWideLine(Surface& surface, Point from, Point to, Pixel colour, int width) {
    const double shift = width % 2 == 1 ? 0.5 : 0.0;
    const double ax = from.x + shift, ay = from.y + shift;
    const double bx = to.x + shift, by = to.y + shift;
    const double radius = width / 2.0;
    const Rect reach{std::min(from.x, to.x) - width, std::min(from.y, to.y) - width,
                     std::max(from.x, to.x) + width + 1, std::max(from.y, to.y) + width + 1};
    const Rect box = Intersect(reach, surface.Bounds());
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            if (DistanceSquared(x + 0.5, y + 0.5, ax, ay, bx, by) <= radius * radius)
                surface.SetPixel(x, y, colour);
        }
    }
}

} // namespace

void DrawLine(Surface& surface, Point from, Point to, Pixel colour, int width) {
    if (width <= 1)
        DrawThinLine(surface, from, to, colour);
    else
        DrawWideLine(surface, from, to, colour, width);
}

void Pen::LineTo(Surface& surface, Point to) {
    DrawLine(surface, m_position, to, m_colour, m_width);
    m_position = to;
}

} // namespace vantor::gfx
