// Paints text as boxes: every character is a solid cell of `charWidth` by
// `charHeight` pixels in the text colour, so tests can check where and in
// which colour a text was drawn. Records every call.
#pragma once

#include "base/StringUtil.h"
#include "platform/TextPainter.h"

#include <string>
#include <vector>

namespace vantor::test {

struct PaintedText {
    gfx::Point at;
    gfx::Rect clip;
    TextFont font;
    gfx::Pixel colour;
    std::string text;
};

class FakeTextPainter : public TextPainter {
public:
    TextSize MeasureText(const TextFont&, const std::string& text) override {
        return {static_cast<int>(Utf8Length(text)) * charWidth, charHeight};
    }
    void DrawText(gfx::Surface& surface, gfx::Point at, const gfx::Rect& clip, const TextFont& font,
                  gfx::Pixel colour, const std::string& text) override {
        painted.push_back({at, clip, font, colour, text});
        const int width = static_cast<int>(Utf8Length(text)) * charWidth;
        surface.FillRect(gfx::Intersect(gfx::Rect::FromSize(at.x, at.y, width, charHeight), clip),
                         colour);
    }

    int charWidth = 2;
    int charHeight = 4;
    std::vector<PaintedText> painted;
};

} // namespace vantor::test
