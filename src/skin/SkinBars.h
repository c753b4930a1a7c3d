// The four skinned bars as controls: a pointer position becomes a value that
// is stored, applied and drawn with its value text, and a stored value is
// redrawn on request. One object per main window, holding references to the
// Player's skin, surfaces, settings and sound side. UI thread.
#pragma once

#include "settings/Settings.h"
#include "skin/BarSoundControls.h"
#include "skin/SkinDefinition.h"
#include "skin/SkinSurfaces.h"
#include "skin/TextFieldPainter.h"

#include <cstdint>
#include <optional>

namespace vantor {

class SkinBars {
public:
    SkinBars(const SkinDefinition& skin, SkinSurfaces& surfaces, Settings& settings,
             BarSoundControls& sound, TextFieldPainter& texts);

    // Prepares the per-skin state (frame counts, the seek mask); called once
    // the skin is applied.
    void PrepareForSkin();

    // A press or a drag at (x, y): the value follows the pointer. `pressed`
    // draws the pressed knob of a "BAR" bar. False when an "ADVANCE" bar's
    // map is magenta there (the pointer is outside the bar).
    bool PointerAt(BarKind bar, double x, double y, bool pressed);
    // The release: a last pointer call, and for the seek bar `SetSeek`.
    void Release(BarKind bar, double x, double y);
    // Draws a bar from its stored value (seek: the current position 0..255).
    void Redraw(BarKind bar);
    // Draws a volume, pan or pitch bar from its stored value and applies the
    // value, as a menu or a dialog that set it asks; the pitch bar switches
    // the stretch on.
    void RedrawAndApply(BarKind bar);
    // The frame of an "ADVANCE" bar's strip that its position map gives at
    // (x, y); none on magenta or outside the map.
    std::optional<std::int32_t> FrameAt(BarKind bar, double x, double y) const;
    // The playback tick's seek position, 0 to 255. A bar that still shows
    // it is left as it is.
    void ShowSeekValue(std::int32_t value);

    // Hit test: the field rectangle, or for "ADVANCE" bars the non-magenta
    // pixels of the position map.
    bool Hits(BarKind bar, std::int32_t x, std::int32_t y) const;

    std::int32_t SeekValue() const { return m_seekValue; }
    std::int32_t LastFrame(BarKind bar) const;

private:
    bool PointerAtAdvance(BarKind bar, double x, double y);
    void PointerAtKnob(BarKind bar, double x, double y, bool pressed);
    void PointerAtFill(BarKind bar, double x, double y);
    // Stores a fraction of the bar's range as its value and applies it.
    void StoreFraction(BarKind bar, double fraction, bool applySeek);
    // Hands the stored volume, pan or pitch scale to the sound.
    void ApplyStoredValue(BarKind bar);
    double StoredFraction(BarKind bar) const;
    void DrawAtFraction(BarKind bar, double fraction, bool pressed);
    void DrawValue(BarKind bar);
    // The pixels drawing the bar may touch.
    gfx::Rect DrawnArea(BarKind bar) const;
    void SnapPitch();

    const SkinDefinition& m_skin;
    SkinSurfaces& m_surfaces;
    Settings& m_settings;
    BarSoundControls& m_sound;
    TextFieldPainter& m_texts;
    std::int32_t m_seekValue = 0;
    std::int32_t m_lastSeekMapLevel = 0;
};

} // namespace vantor
