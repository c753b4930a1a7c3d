// The song-information field of the main window: the line of the sounding
// track (or the idle text) drawn into a text picture, revealed block by block
// from every third scan line, and then scrolled right to left as two copies
// that follow each other. One object per main window, holding references to
// the Player's skin, surfaces, settings and text painter. UI thread.
#pragma once

#include "platform/TextPainter.h"
#include "settings/Settings.h"
#include "skin/SkinDefinition.h"
#include "skin/SkinSurfaces.h"
#include "skin/TextFieldPainter.h"

#include <cstdint>
#include <string>

namespace vantor {

inline constexpr const char* kIdleSongText = "Vantor Ver0.92n      Vantor Ver0.92n      ";

struct SongInfoAnimation {
    bool revealDone = true;
    std::int32_t revealCounter = 0;
    std::int32_t offsetA = 40;
    std::int32_t offsetB = 40;
    std::int32_t textWidth = 0;
    std::int32_t textHeight = 0;
    std::int32_t textTop = 0;
    std::int32_t fieldWidth = 0;
    std::int32_t fieldHeight = 0;
};

// The line as the user sees it: a doubled "&" shows one, and a single "&"
// only marks the next character.
std::string RemovePrefixMarks(std::string_view text);

// The song-information font and colour in force: the user's when the skin's
// font configuration is ignored, else the skin's.
TextFont SongInfoFontInForce(const SkinDefinition& skin, const Settings& settings);
gfx::Pixel SongInfoColourInForce(const SkinDefinition& skin, const Settings& settings);

class SongInfoDisplay {
public:
    SongInfoDisplay(const SkinDefinition& skin, SkinSurfaces& surfaces, const Settings& settings,
                    TextPainter& painter, TextFieldPainter& fields);

    // Shows `line` (the sounding track's line, ending in ")" and six blanks)
    // unless it is already shown and `force` is off.
    void DrawSongInfo(const std::string& line, bool force = false);
    // The name and version shown when no track is loaded.
    void DrawIdleText();
    // Shows the text shown last again from its start, after the field's
    // background was drawn over (a new face).
    void Redraw();
    // One step of the animation timer.
    void SongInfoTick();

    const SongInfoAnimation& State() const { return m_state; }
    // Forgets the text drawn last, so the next line is drawn even if equal.
    void Forget() { m_lastText.clear(); }

private:
    void ShowText(const std::string& text, bool force);
    void PrepareTextPicture(const std::string& text);
    void ShowOnce();
    void PrepareWork();
    void RevealStep();
    void CopyStrip(int sourceX, int sourceY, int width, int height);
    void Scroll();

    const SkinDefinition& m_skin;
    SkinSurfaces& m_surfaces;
    const Settings& m_settings;
    TextPainter& m_painter;
    TextFieldPainter& m_fields;
    SongInfoAnimation m_state;
    std::string m_lastText;
};

} // namespace vantor
