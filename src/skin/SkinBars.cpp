#include "skin/SkinBars.h"

#include "base/VbNumber.h"
#include "skin/BarMapping.h"
#include "skin/BarPainter.h"

#include <algorithm>
#include <string>

namespace vantor {
namespace {

constexpr const char* kTypeAdvance = "ADVANCE";
constexpr const char* kTypeKnob = "BAR";

int Index(BarKind bar) {
    return static_cast<int>(bar);
}

gfx::Pixel MapPixel(const SkinBarStyle& style, double x, double y) {
    if (!style.track)
        return gfx::kInvalidPixel;
    return style.track->GetPixel(static_cast<int>(RoundHalfEven(x)) - style.rect.left,
                                 static_cast<int>(RoundHalfEven(y)) - style.rect.top);
}

std::uint32_t GreyNumber(std::int32_t value) {
    const auto v = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    return gfx::Rgb(v, v, v);
}

} // namespace

SkinBars::SkinBars(const SkinDefinition& skin, SkinSurfaces& surfaces, Settings& settings,
                   BarSoundControls& sound, TextFieldPainter& texts)
    : m_skin(skin), m_surfaces(surfaces), m_settings(settings), m_sound(sound), m_texts(texts) {}

void SkinBars::PrepareForSkin() {
    for (int bar = 0; bar < kBarCount; ++bar) {
        const SkinBarStyle& style = m_skin.bars[bar];
        m_surfaces.lastFrames[bar] =
            style.knob ? vantor::LastFrame(style.knob->Width(), style.knobWidth) : -1;
    }
    m_surfaces.seekMask = {};
    m_surfaces.seekShown.Forget();
}

std::int32_t SkinBars::LastFrame(BarKind bar) const {
    return m_surfaces.lastFrames[Index(bar)];
}

bool SkinBars::Hits(BarKind bar, std::int32_t x, std::int32_t y) const {
    const SkinBarStyle& style = m_skin.Bar(bar);
    if (style.type == kTypeAdvance)
        return MapLevel(MapPixel(style, x, y)).has_value();
    return style.rect.Contains(x, y);
}

double SkinBars::StoredFraction(BarKind bar) const {
    switch (bar) {
    case BarKind::Volume:
        return m_settings.MasterVolume / 255.0;
    case BarKind::Pan:
        return m_settings.PanPosition / 255.0;
    case BarKind::Pitch:
        return FractionFromPitch(m_settings.SoundStretchScale);
    default:
        return m_seekValue / 255.0;
    }
}

void SkinBars::ApplyStoredValue(BarKind bar) {
    switch (bar) {
    case BarKind::Volume:
        m_sound.ApplyVolume(m_settings.MasterVolume);
        break;
    case BarKind::Pan:
        // With panning switched off the value and text still follow the
        // pointer, but the sound stays centred.
        m_sound.ApplyPan(m_settings.PanEnable == 1 ? m_settings.PanPosition : kPanCentre);
        break;
    case BarKind::Pitch:
        m_settings.SoundStretchEnable = 1;
        m_sound.ApplySoundControls();
        break;
    default:
        break;
    }
}

void SkinBars::StoreFraction(BarKind bar, double fraction, bool applySeek) {
    switch (bar) {
    case BarKind::Volume:
        m_settings.MasterVolume = ValueFromFraction(fraction);
        break;
    case BarKind::Pan:
        m_settings.PanPosition = ValueFromFraction(fraction);
        break;
    case BarKind::Pitch:
        m_settings.SoundStretchScale = PitchFromFraction(fraction);
        break;
    default:
        m_seekValue = ValueFromFraction(fraction);
        if (applySeek)
            m_sound.SeekToFraction(fraction);
        return;
    }
    ApplyStoredValue(bar);
}

void SkinBars::DrawValue(BarKind bar) {
    if (bar == BarKind::Volume)
        m_texts.DrawValueText(bar, VolumeText(m_settings.MasterVolume));
    else if (bar == BarKind::Pan)
        m_texts.DrawValueText(bar, PanText(m_settings.PanPosition));
    else if (bar == BarKind::Pitch)
        m_texts.DrawValueText(bar, PitchText(m_settings.SoundStretchScale));
}

void SkinBars::DrawAtFraction(BarKind bar, double fraction, bool pressed) {
    const SkinBarStyle& style = m_skin.Bar(bar);
    if (style.type == kTypeKnob) {
        const Picture& knob = pressed && style.knobPressed ? style.knobPressed : style.knob;
        if (knob && KnobTravel(style, *knob) > 0)
            DrawKnobBar(
                m_surfaces, style, *knob,
                static_cast<std::int32_t>(RoundHalfEven(fraction * KnobTravel(style, *knob))));
    } else if (style.type == kTypeAdvance && bar == BarKind::Seek) {
        DrawSeekMaskBar(m_surfaces, style, GreyNumber(m_seekValue));
    } else if (style.type == kTypeAdvance) {
        DrawFrameBar(m_surfaces, style, FrameForFraction(fraction, LastFrame(bar)));
    } else {
        DrawFillBar(m_surfaces, style, fraction * BarSpan(style));
    }
}

void SkinBars::Redraw(BarKind bar) {
    DrawAtFraction(bar, StoredFraction(bar), false);
    DrawValue(bar);
}

void SkinBars::RedrawAndApply(BarKind bar) {
    ApplyStoredValue(bar);
    Redraw(bar);
}

std::optional<std::int32_t> SkinBars::FrameAt(BarKind bar, double x, double y) const {
    const auto level = MapLevel(MapPixel(m_skin.Bar(bar), x, y));
    if (!level)
        return std::nullopt;
    return FrameForFraction(*level / 255.0, LastFrame(bar));
}

gfx::Rect SkinBars::DrawnArea(BarKind bar) const {
    // A knob, its frames or an "ADVANCE" map may reach beyond the field.
    const SkinBarStyle& style = m_skin.Bar(bar);
    gfx::Rect area = ToGfx(style.rect);
    for (const Picture* picture : {&style.knob, &style.knobPressed, &style.track}) {
        if (!*picture)
            continue;
        area.right = std::max(area.right, area.left + (*picture)->Width());
        area.bottom = std::max(area.bottom, area.top + (*picture)->Height());
    }
    return area;
}

void SkinBars::ShowSeekValue(std::int32_t value) {
    m_seekValue = std::clamp(value, 0, 255);
    DrawUnlessShown(m_surfaces.seekShown, m_surfaces.mainWindow, DrawnArea(BarKind::Seek),
                    std::to_string(m_seekValue), [this] { Redraw(BarKind::Seek); });
}

void SkinBars::SnapPitch() {
    const SkinBarStyle& style = m_skin.Bar(BarKind::Pitch);
    if (style.autoReset != 1 || style.type == kTypeKnob ||
        !PitchSnaps(m_settings.SoundStretchScale))
        return;
    m_settings.SoundStretchScale = 1.0f;
    m_sound.ApplySoundControls();
    DrawAtFraction(BarKind::Pitch, FractionFromPitch(1.0f), false);
    DrawValue(BarKind::Pitch);
}

bool SkinBars::PointerAtAdvance(BarKind bar, double x, double y) {
    const SkinBarStyle& style = m_skin.Bar(bar);
    if (bar == BarKind::Seek) {
        const gfx::Pixel pixel = MapPixel(style, x, y);
        const auto level = MapLevel(pixel);
        if (!level)
            return false;
        // A pointer fills the played part afresh from an empty mask.
        m_surfaces.seekMask.threshold = 0;
        m_surfaces.seekMask.mask = {};
        DrawSeekMaskBar(m_surfaces, style, pixel);
        m_lastSeekMapLevel = static_cast<std::int32_t>(RoundHalfEven(*level));
        m_seekValue = m_lastSeekMapLevel;
        m_sound.SeekToFraction(*level / 255.0);
        return true;
    }
    const auto frame = FrameAt(bar, x, y);
    if (!frame)
        return false;
    StoreFraction(bar, SafeFraction(*frame, LastFrame(bar)), false);
    DrawFrameBar(m_surfaces, style, *frame);
    DrawValue(bar);
    return true;
}

void SkinBars::PointerAtKnob(BarKind bar, double x, double y, bool pressed) {
    const SkinBarStyle& style = m_skin.Bar(bar);
    const Picture& knob = pressed && style.knobPressed ? style.knobPressed : style.knob;
    if (!knob)
        return;
    const auto offset = KnobOffset(style, *knob, x, y);
    if (!offset)
        return;
    StoreFraction(bar, SafeFraction(*offset, KnobTravel(style, *knob)), true);
    DrawKnobBar(m_surfaces, style, *knob, *offset);
    DrawValue(bar);
}

void SkinBars::PointerAtFill(BarKind bar, double x, double y) {
    const SkinBarStyle& style = m_skin.Bar(bar);
    const double distance = TravelledDistance(style, x, y);
    StoreFraction(bar, SafeFraction(distance, BarSpan(style)), true);
    DrawFillBar(m_surfaces, style, distance);
    DrawValue(bar);
}

bool SkinBars::PointerAt(BarKind bar, double x, double y, bool pressed) {
    const SkinBarStyle& style = m_skin.Bar(bar);
    if (style.type == kTypeAdvance) {
        if (!PointerAtAdvance(bar, x, y))
            return false;
    } else if (style.type == kTypeKnob) {
        PointerAtKnob(bar, x, y, pressed);
    } else {
        PointerAtFill(bar, x, y);
    }
    if (bar == BarKind::Pitch)
        SnapPitch();
    return true;
}

void SkinBars::Release(BarKind bar, double x, double y) {
    const bool onBar = PointerAt(bar, x, y, false);
    if (bar != BarKind::Seek)
        return;
    if (m_skin.Bar(bar).type == kTypeAdvance) {
        if (!onBar) {
            m_seekValue = m_lastSeekMapLevel;
            Redraw(bar);
        }
        m_sound.SetSeek(m_lastSeekMapLevel);
        return;
    }
    m_sound.SetSeek(m_seekValue);
}

} // namespace vantor
