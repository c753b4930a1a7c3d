// The drawings of the skinned bars on the main window: the pressed-face fill,
// the knob on a track, the frame strip and the masked fill of the seek map.
// Each restores the field from the face first. Pure drawing on the Player's
// surfaces; values are the caller's business. UI thread.
#pragma once

#include "skin/SkinDefinition.h"
#include "skin/SkinSurfaces.h"

#include <cstdint>
#include <optional>

namespace vantor {

void RestoreFromFace(SkinSurfaces& surfaces, const SkinRect& rect);

// "NORMAL": the travelled part copied from the pressed face.
void DrawFillBar(SkinSurfaces& surfaces, const SkinBarStyle& bar, double distance);

// "BAR": the knob offset along the track for a pointer, clamped to the
// track; nothing when the field is not larger than the knob.
std::optional<std::int32_t> KnobOffset(const SkinBarStyle& bar, const gfx::Surface& knob, double x,
                                       double y);
// The room the knob travels in (W − kw or H − kh).
std::int32_t KnobTravel(const SkinBarStyle& bar, const gfx::Surface& knob);
void DrawKnobBar(SkinSurfaces& surfaces, const SkinBarStyle& bar, const gfx::Surface& knob,
                 std::int32_t offset);

// "ADVANCE": frame `frame` of the strip at the field's top-left.
void DrawFrameBar(SkinSurfaces& surfaces, const SkinBarStyle& bar, std::int32_t frame);

// "ADVANCE" seek: fills the mask up to `threshold` (a 0x00RRGGBB colour
// number of the map), rebuilding it from empty when the threshold went back,
// and shows the masked part from the pressed face.
void DrawSeekMaskBar(SkinSurfaces& surfaces, const SkinBarStyle& bar, std::uint32_t threshold);

} // namespace vantor
