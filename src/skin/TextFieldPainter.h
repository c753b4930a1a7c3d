// Draws the short texts of the skinned windows into their fields: the time,
// the format, bit-rate, sample-rate and mode texts, the bar values and the
// playlist counters, in a system font or from the skin's glyph strips. It
// never decides what a text says; callers hand it in. Holds references to
// the Player's skin record, surfaces and text painter. UI thread.
#pragma once

#include "platform/TextPainter.h"
#include "skin/BitmapFont.h"
#include "skin/SkinDefinition.h"
#include "skin/SkinSurfaces.h"

#include <string>

namespace vantor {

TextFont FontOf(const SkinTextStyle& style);
GlyphSheet TimeGlyphs(const SkinDefinition& skin);
GlyphSheet GeneralGlyphs(const SkinDefinition& skin);
TextField ValueFieldOf(BarKind bar);

// A work surface for `rect`: its size, but never larger than the face it is
// composed from (nothing beyond the face can be seen).
gfx::Surface WorkSurfaceFor(const SkinRect& rect, const gfx::Surface& face);
// Sizes every field's work surface to its rectangle; no field counts as
// shown any more.
void PrepareFieldSurfaces(const SkinDefinition& skin, SkinSurfaces& surfaces);

class TextFieldPainter {
public:
    TextFieldPainter(const SkinDefinition& skin, SkinSurfaces& surfaces, TextPainter& painter);

    // The time field; the same text goes to the playlist's play-time field.
    // A field that still shows the same text is left as it is.
    void DrawTimeText(const std::string& text);
    // Song format, bit rate, sample rate and mode fields.
    void DrawInfoText(TextField field, const std::string& text);
    // The volume, pan and pitch value fields.
    void DrawValueText(BarKind bar, const std::string& text);
    // A playlist field. Unless `keepWhole`, the text is cut before its first
    // space, and `text` receives the cut text.
    void DrawPlayListText(TextField field, std::string& text, bool keepWhole = false);

    // Copies `work` (the song-information field's picture) to the main window
    // through the field mask when the skin has one: the mask's white pixels
    // and the work surface's white pixels show the face.
    void ComposeSongInfo(gfx::Surface& work);

private:
    void ComposeField(TextField field, const std::string& text);
    // The pixels a field's drawing may touch in its window.
    gfx::Rect ComposedArea(TextField field) const;
    gfx::Rect PlayListTextArea(TextField field) const;
    void DrawFontText(gfx::Surface& target, const SkinTextStyle& style, const std::string& text);

    const SkinDefinition& m_skin;
    SkinSurfaces& m_surfaces;
    TextPainter& m_painter;
};

} // namespace vantor
