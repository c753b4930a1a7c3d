// Lines with a width, drawn the way the analyzer and the oscilloscope draw:
// a pen with a colour, a width and a current position. A 1-pixel line leaves
// out its end point, so consecutive segments never paint a pixel twice; a
// wider line is the set of pixels within width / 2 of the segment (round
// ends). Everything outside the surface is clipped. One thread at a time.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Surface.h"

namespace vantor::gfx {

// Draws from `from` to `to`; widths below 1 count as 1.
void DrawLine(Surface& surface, Point from, Point to, Pixel colour, int width = 1);

class Pen {
public:
    Pen() = default;
    Pen(Pixel colour, int width) : m_colour(colour) { SetWidth(width); }

    Pixel Colour() const { return m_colour; }
    int Width() const { return m_width; }
    Point Position() const { return m_position; }

    void SetColour(Pixel colour) { m_colour = colour; }
    // Widths below 1 count as 1.
    void SetWidth(int width) { m_width = width < 1 ? 1 : width; }
    void MoveTo(Point position) { m_position = position; }
    // Draws from the current position to `to`, which becomes the position.
    void LineTo(Surface& surface, Point to);

private:
    Pixel m_colour = kBlack;
    int m_width = 1;
    Point m_position;
};

} // namespace vantor::gfx
