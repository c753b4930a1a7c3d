// Text drawn from the glyph strips of a skin: the time font (digits, ":",
// "/" and a blank) and the general font (a 16-column sheet of the legacy
// code page from the space on). Pure drawing on surfaces the caller owns.
// UI thread.
#pragma once

#include "gfx/Geometry.h"
#include "gfx/Surface.h"

#include <string_view>
#include <vector>

namespace vantor {

// A glyph sheet with its cell size and whether black glyph pixels let the
// background show through.
struct GlyphSheet {
    const gfx::Surface* picture = nullptr;
    int cellWidth = 0;
    int cellHeight = 0;
    bool transparent = false;
};

// The time font cell of a character: 0-9 for the digits, 10 for ":", 11 for
// "/", 12 (a blank) for everything else.
int TimeFontCell(char32_t character);

// Column and row of a legacy character code in the general font sheet. Codes
// outside the sheet land outside it and draw nothing.
gfx::Point GeneralFontCell(int code);

// The legacy code of every character of a UTF-8 text, the way the sheet is
// indexed: one byte for single-byte characters, the signed 16-bit value of
// the two bytes for a double-byte one.
std::vector<int> LegacyCharacterCodes(std::string_view utf8);

// Draws `text` cell by cell from (at.x + i × cell width, at.y).
void DrawTimeFontText(gfx::Surface& dst, gfx::Point at, const GlyphSheet& sheet,
                      std::string_view text);
void DrawGeneralFontText(gfx::Surface& dst, gfx::Point at, const GlyphSheet& sheet,
                         std::string_view text);

} // namespace vantor
