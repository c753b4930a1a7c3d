// Text in system fonts drawn by Qt straight into a raster surface's pixels,
// without antialiasing so that colour keys around the glyphs stay exact;
// and the playlist's text measuring in one chosen font. UI thread only.
#pragma once

#include "platform/TextMeasurer.h"
#include "platform/TextPainter.h"

#include <QFont>

namespace vantor {

QFont ToQFont(const TextFont& font);

class QtTextPainter : public TextPainter {
public:
    TextSize MeasureText(const TextFont& font, const std::string& text) override;
    void DrawText(gfx::Surface& surface, gfx::Point at, const gfx::Rect& clip, const TextFont& font,
                  gfx::Pixel colour, const std::string& text) override;
};

class QtTextMeasurer : public TextMeasurer {
public:
    explicit QtTextMeasurer(const TextFont& font) : m_font(ToQFont(font)) {}
    void SetFont(const TextFont& font) { m_font = ToQFont(font); }
    int TextWidth(std::string_view text) const override;

private:
    QFont m_font;
};

} // namespace vantor
