// Measuring and drawing text in a system font into an off-screen surface, the
// one way the subsystems put font text on a skin. The desktop implements it
// (Qt draws into the surface's pixels); tests use a fake that paints boxes.
// Nothing returned is owned by the painter. UI thread only.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/Surface.h"
#include "gfx/TextMark.h"

#include <string>

namespace vantor {

using TextFont = gfx::TextFont;

struct TextSize {
    int width = 0;
    int height = 0;
};

class TextPainter {
public:
    virtual ~TextPainter() = default;
    // The extent of one line of `text` (UTF-8) in `font`.
    virtual TextSize MeasureText(const TextFont& font, const std::string& text) = 0;
    // Draws one line of `text` with its top-left corner at `at`, clipped to
    // `clip` and to the surface; the background is left as it is.
    virtual void DrawText(gfx::Surface& surface, gfx::Point at, const gfx::Rect& clip,
                          const TextFont& font, gfx::Pixel colour, const std::string& text) = 0;
};

} // namespace vantor
