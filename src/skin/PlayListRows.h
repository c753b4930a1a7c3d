// Drawing the playlist window's rows: the list background from the face, the
// selection box (opaque or blended with the skin's opacity), the row texts
// in the list colours, shortened with "..." to fit. The rows' contents are
// the playlist's business; this draws what it is given onto the Player's
// playlist surface. UI thread.
#pragma once

#include "platform/TextPainter.h"
#include "skin/SkinDefinition.h"
#include "skin/SkinSurfaces.h"

#include <span>
#include <string>

namespace vantor {

struct PlayListRow {
    std::string prefix; // the number prefix, empty when numbers are off
    std::string title;
    std::string time; // drawn at the right edge, empty when times are off
    bool selected = false;
    bool current = false;
};

// `text` as it fits into `width` pixels: unchanged when it fits, otherwise
// cut character by character from its end until it fits with "..." appended.
std::string ShortenToWidth(const std::string& text, int width, TextPainter& painter,
                           const TextFont& font);

// Draws `rows` from the top of the list field, one every `rowHeight` pixels.
void DrawPlayListRows(const SkinDefinition& skin, SkinSurfaces& surfaces, TextPainter& painter,
                      std::span<const PlayListRow> rows, double rowHeight);

} // namespace vantor
