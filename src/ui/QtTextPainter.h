// Text in system fonts drawn by Qt straight into a raster surface's pixels,
// without antialiasing so that colour keys around the glyphs stay exact.
// UI thread only (or any one thread that owns a QGuiApplication).
#pragma once

#include "platform/TextPainter.h"

namespace vantor {

class QtTextPainter : public TextPainter {
public:
    TextSize MeasureText(const TextFont& font, const std::string& text) override;
    void DrawText(gfx::Surface& surface, gfx::Point at, const gfx::Rect& clip, const TextFont& font,
                  gfx::Pixel colour, const std::string& text) override;
};

} // namespace vantor
