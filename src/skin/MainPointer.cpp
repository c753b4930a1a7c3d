#include "skin/MainPointer.h"

#include "gfx/Blit.h"

namespace vantor {
namespace {

std::int32_t SnapAxis(std::int32_t wanted, std::int32_t opaqueLow, std::int32_t opaqueHigh,
                      std::int32_t workLow, std::int32_t workHigh, std::int32_t distance) {
    if (wanted + opaqueLow < workLow + distance)
        return workLow - opaqueLow;
    if (wanted + opaqueHigh > workHigh - distance)
        return workHigh - opaqueHigh;
    return wanted;
}

} // namespace

std::optional<ButtonHit> HitTestButtons(const SkinDefinition& skin, std::int32_t x,
                                        std::int32_t y) {
    for (int index = 0; index < kMainButtonCount; ++index) {
        const SkinButton& button = skin.mainButtons[index];
        for (int region = 0; region <= button.regionCount && region < 3; ++region) {
            if (button.regions[region].rect.Contains(x, y))
                return ButtonHit{static_cast<MainButton>(index), region};
        }
    }
    return std::nullopt;
}

ScreenPoint SnapToWorkArea(ScreenPoint wanted, const ScreenRect& opaque, const ScreenRect& work,
                           std::int32_t distance) {
    return {SnapAxis(wanted.x, opaque.left, opaque.right, work.left, work.right, distance),
            SnapAxis(wanted.y, opaque.top, opaque.bottom, work.top, work.bottom, distance)};
}

MainPointer::MainPointer(const SkinDefinition& skin, SkinSurfaces& surfaces, Settings& settings,
                         SkinBars& bars, MainPointerPeers& peers)
    : m_skin(skin), m_surfaces(surfaces), m_settings(settings), m_bars(bars), m_peers(peers) {}

std::optional<BarKind> MainPointer::HitTestBars(std::int32_t x, std::int32_t y) const {
    for (const BarKind bar : {BarKind::Volume, BarKind::Seek, BarKind::Pan, BarKind::Pitch}) {
        if (m_bars.Hits(bar, x, y))
            return bar;
    }
    return std::nullopt;
}

void MainPointer::CopyRegion(const gfx::Surface& from, const SkinRect& rect) {
    gfx::Blit(m_surfaces.mainWindow, {rect.left, rect.top}, from, ToGfx(rect));
}

bool MainPointer::PressBar(std::int32_t x, std::int32_t y) {
    const auto bar = HitTestBars(x, y);
    if (!bar) {
        // A magenta pixel of a position map lies outside its bar, but inside
        // its field the press must not start a window drag either.
        for (const SkinBarStyle& style : m_skin.bars) {
            if (style.type == "ADVANCE" && style.rect.Contains(x, y))
                return true;
        }
        return false;
    }
    m_activeBar = bar;
    const std::int32_t before = m_settings.MasterVolume;
    m_bars.PointerAt(*bar, x, y, true);
    if (*bar == BarKind::Volume && m_settings.VolumeAnimation != 0 &&
        before != m_settings.MasterVolume)
        m_peers.StartVolumeAnimation(before, m_settings.MasterVolume);
    return true;
}

void MainPointer::Press(PointerButton button, std::int32_t x, std::int32_t y, ScreenPoint screen) {
    if (button == PointerButton::Right) {
        m_peers.ShowContextMenu(x, y);
        return;
    }
    if (const auto hit = HitTestButtons(m_skin, x, y)) {
        m_pressed = hit;
        CopyRegion(m_surfaces.pressedFace, m_skin.Main(hit->button).regions[hit->region].rect);
        return;
    }
    if (m_skin.analyzerAreaPlaced && m_skin.spectrumField.rect.Contains(x, y)) {
        m_peers.NextAnalyzerStyle();
        return;
    }
    if (PressBar(x, y))
        return;
    const ScreenPoint window = m_peers.MainWindowPosition();
    m_dragging = true;
    m_pressOffset = {screen.x - window.x, screen.y - window.y};
}

void MainPointer::Move(std::int32_t x, std::int32_t y, ScreenPoint screen) {
    if (m_activeBar) {
        m_bars.PointerAt(*m_activeBar, x, y, true);
        return;
    }
    if (!m_dragging)
        return;
    const ScreenPoint from = m_peers.MainWindowPosition();
    const ScreenPoint to = SnapToWorkArea({screen.x - m_pressOffset.x, screen.y - m_pressOffset.y},
                                          m_peers.OpaqueBounds(), m_peers.WorkArea());
    if (to == from)
        return;
    m_peers.MoveMainWindow(to);
    if (m_settings.PlayListLinkMode != 0)
        m_peers.MovePlayListWindowBy(to.x - from.x, to.y - from.y);
}

bool MainPointer::ToggleIsOn(MainButton button) const {
    switch (button) {
    case MainButton::Loop:
        return m_settings.PlayLoopMode != 0;
    case MainButton::Random:
        return m_settings.PlayRandomMode != 0;
    case MainButton::NonStopMegaMix:
        return m_settings.NonStopMegaMix != 0;
    default:
        return false;
    }
}

void MainPointer::Release(std::int32_t x, std::int32_t y) {
    if (m_activeBar) {
        m_bars.Release(*m_activeBar, x, y);
        m_activeBar.reset();
    }
    if (m_pressed) {
        const ButtonHit hit = *m_pressed;
        m_pressed.reset();
        const SkinRegion& region = m_skin.Main(hit.button).regions[hit.region];
        if (!ToggleIsOn(hit.button))
            CopyRegion(m_surfaces.FaceShown(), region.rect);
        // The command belongs to the button pressed, wherever the release is.
        m_peers.RunButtonCommand(hit.button, region.target);
    }
    m_dragging = false;
}

} // namespace vantor
