// Text in system fonts drawn by Qt straight into a raster surface's pixels,
// without antialiasing so that colour keys around the glyphs stay exact;
// and the playlist's text measuring in one chosen font. UI thread only.
#pragma once

#include "platform/TextMeasurer.h"
#include "platform/TextPainter.h"
#include "ui/LruCache.h"
#include "ui/TextStencil.h"

#include <QFont>
#include <QFontMetrics>

#include <string>

namespace vantor {

// `antialiased` for text drawn straight onto a screen's pixels; text drawn
// into skin surfaces keeps exact colours for the colour keys around it.
QFont ToQFont(const TextFont& font, bool antialiased = false);

// A font built once with its metrics; Qt looks both up anew on construction.
struct QtFontFace {
    explicit QtFontFace(const TextFont& font) : qfont(ToQFont(font)), metrics(qfont) {}
    QFont qfont;
    QFontMetrics metrics;
};

// Everything that decides which pixels a drawn text covers; the colour does not.
struct TextStencilKey {
    TextFont font;
    std::string text;
    gfx::Rect area; // the visible part, relative to the text's top-left
    bool operator==(const TextStencilKey&) const = default;
};

class QtTextPainter : public TextPainter {
public:
    TextSize MeasureText(const TextFont& font, const std::string& text) override;
    // The player redraws the same few texts (the time, the titles) on every
    // tick; each is shaped once and then painted from its stencil.
    void DrawText(gfx::Surface& surface, gfx::Point at, const gfx::Rect& clip, const TextFont& font,
                  gfx::Pixel colour, const std::string& text) override;

    // Whether drawn texts leave marks on their surfaces, for windows shown
    // at a higher pixel ratio to draw them again sharp (it costs a copy of
    // the pixels around every text and every copy of them, so only then).
    void SetLeavingMarks(bool leaving) { m_leavingMarks = leaving; }
    bool LeavesMarks() const { return m_leavingMarks; }

private:
    const QtFontFace& Face(const TextFont& font);

    LruCache<TextFont, QtFontFace> m_faces{8};
    LruCache<TextStencilKey, TextStencil> m_stencils{64};
    bool m_leavingMarks = false;
};

class QtTextMeasurer : public TextMeasurer {
public:
    explicit QtTextMeasurer(const TextFont& font) : m_face(font) {}
    void SetFont(const TextFont& font) { m_face = QtFontFace(font); }
    int TextWidth(std::string_view text) const override;

private:
    QtFontFace m_face;
};

} // namespace vantor
