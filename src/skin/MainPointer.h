// The main window's pointer handling: hit tests on the skin's buttons, the
// analyzer area and the bars; pressed looks; bar dragging; window dragging
// with snapping to the work area; and the button commands on release.
// One object per main window; holds references to the Player's state.
// UI thread.
#pragma once

#include "platform/PointerButton.h"

#include "platform/DesktopWindows.h"
#include "platform/PointerButton.h"
#include "settings/Settings.h"
#include "skin/MainPointerPeers.h"
#include "skin/SkinBars.h"
#include "skin/SkinDefinition.h"
#include "skin/SkinSurfaces.h"

#include <cstdint>
#include <optional>

namespace vantor {

inline constexpr std::int32_t kSnapDistance = 10;

struct ButtonHit {
    MainButton button;
    std::int32_t region = 0;
};

// The first button whose region holds the point, in index order and within
// a button in region order; both edges of a region count.
std::optional<ButtonHit> HitTestButtons(const SkinDefinition& skin, std::int32_t x, std::int32_t y);

// The window position `wanted` moved so that an edge of its opaque part that
// comes within `distance` pixels of the matching work-area edge, or passes
// it, lies on that edge; horizontal and vertical independently.
ScreenPoint SnapToWorkArea(ScreenPoint wanted, const ScreenRect& opaque, const ScreenRect& work,
                           std::int32_t distance = kSnapDistance);

class MainPointer {
public:
    MainPointer(const SkinDefinition& skin, SkinSurfaces& surfaces, Settings& settings,
                SkinBars& bars, MainPointerPeers& peers);

    // Client coordinates (x, y) and the pointer's screen position.
    void Press(PointerButton button, std::int32_t x, std::int32_t y, ScreenPoint screen);
    void Move(std::int32_t x, std::int32_t y, ScreenPoint screen);
    void Release(std::int32_t x, std::int32_t y);

    std::optional<BarKind> ActiveBar() const { return m_activeBar; }
    std::optional<ButtonHit> PressedButton() const { return m_pressed; }
    bool Dragging() const { return m_dragging; }

private:
    std::optional<BarKind> HitTestBars(std::int32_t x, std::int32_t y) const;
    bool PressBar(std::int32_t x, std::int32_t y);
    // With the volume animation on and an "ADVANCE" volume strip, the
    // volume knob is animated rather than set.
    bool VolumeAnimates() const;
    // The active bar's value follows the pointer, or its animation aims there.
    void PointBar(BarKind bar, std::int32_t x, std::int32_t y);
    bool ToggleIsOn(MainButton button) const;
    void CopyRegion(const gfx::Surface& from, const SkinRect& rect);

    const SkinDefinition& m_skin;
    SkinSurfaces& m_surfaces;
    Settings& m_settings;
    SkinBars& m_bars;
    MainPointerPeers& m_peers;
    std::optional<ButtonHit> m_pressed;
    std::optional<BarKind> m_activeBar;
    bool m_dragging = false;
    ScreenPoint m_pressOffset;
};

} // namespace vantor
