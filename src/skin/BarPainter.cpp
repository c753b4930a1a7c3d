#include "skin/BarPainter.h"

#include "base/VbNumber.h"
#include "gfx/Blit.h"
#include "skin/BarMapping.h"

#include <algorithm>

namespace vantor {

void RestoreFromFace(SkinSurfaces& surfaces, const SkinRect& rect) {
    gfx::Blit(surfaces.mainWindow, {rect.left, rect.top}, surfaces.FaceShown(), ToGfx(rect));
}

void DrawFillBar(SkinSurfaces& surfaces, const SkinBarStyle& bar, double distance) {
    RestoreFromFace(surfaces, bar.rect);
    const auto d = static_cast<int>(RoundHalfEven(distance));
    const SkinRect& r = bar.rect;
    const gfx::Rect travelled = IsVertical(bar) ? gfx::Rect{r.left, r.bottom - d, r.right, r.bottom}
                                                : gfx::Rect{r.left, r.top, r.left + d, r.bottom};
    gfx::Blit(surfaces.mainWindow, {travelled.left, travelled.top}, surfaces.pressedFace,
              travelled);
}

std::int32_t KnobTravel(const SkinBarStyle& bar, const gfx::Surface& knob) {
    return IsVertical(bar) ? bar.rect.Height() - knob.Height() : bar.rect.Width() - knob.Width();
}

std::optional<std::int32_t> KnobOffset(const SkinBarStyle& bar, const gfx::Surface& knob, double x,
                                       double y) {
    const std::int32_t travel = KnobTravel(bar, knob);
    if (travel <= 0)
        return std::nullopt;
    const double wanted = IsVertical(bar) ? (bar.rect.bottom - y) - knob.Height() / 2
                                          : x - knob.Width() / 2 - bar.rect.left;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(RoundHalfEven(wanted), 0, travel));
}

void DrawKnobBar(SkinSurfaces& surfaces, const SkinBarStyle& bar, const gfx::Surface& knob,
                 std::int32_t offset) {
    RestoreFromFace(surfaces, bar.rect);
    const gfx::Point at = IsVertical(bar)
                              ? gfx::Point{bar.rect.left, bar.rect.bottom - offset - knob.Height()}
                              : gfx::Point{bar.rect.left + offset, bar.rect.top};
    gfx::TransparentBlit(surfaces.mainWindow, at, knob, knob.Bounds(), gfx::kMagenta);
}

void DrawFrameBar(SkinSurfaces& surfaces, const SkinBarStyle& bar, std::int32_t frame) {
    RestoreFromFace(surfaces, bar.rect);
    if (!bar.knob)
        return;
    const gfx::Rect cell =
        gfx::Rect::FromSize(frame * bar.knobWidth, 0, bar.knobWidth, bar.knobHeight);
    gfx::TransparentBlit(surfaces.mainWindow, {bar.rect.left, bar.rect.top}, *bar.knob, cell,
                         gfx::kMagenta);
}

void DrawSeekMaskBar(SkinSurfaces& surfaces, const SkinBarStyle& bar, std::uint32_t threshold) {
    if (!bar.track)
        return;
    const gfx::Surface& map = *bar.track;
    SeekMaskState& state = surfaces.seekMask;
    if (state.mask.Width() != map.Width() || state.mask.Height() != map.Height() ||
        threshold < state.threshold) {
        state.mask = gfx::Surface(map.Width(), map.Height());
        state.threshold = 0;
    }
    for (int y = 0; y < map.Height(); ++y) {
        const gfx::Pixel* row = map.Row(y);
        gfx::Pixel* maskRow = state.mask.Row(y);
        for (int x = 0; x < map.Width(); ++x) {
            if (row[x] != gfx::kMagenta && row[x] >= state.threshold && row[x] <= threshold)
                maskRow[x] = gfx::kWhite;
        }
    }
    state.threshold = threshold;
    RestoreFromFace(surfaces, bar.rect);
    for (int y = 0; y < map.Height(); ++y) {
        const gfx::Pixel* maskRow = state.mask.Row(y);
        for (int x = 0; x < map.Width(); ++x) {
            if (maskRow[x] == gfx::kWhite)
                surfaces.mainWindow.SetPixel(
                    bar.rect.left + x, bar.rect.top + y,
                    surfaces.pressedFace.GetPixel(bar.rect.left + x, bar.rect.top + y));
        }
    }
}

} // namespace vantor
