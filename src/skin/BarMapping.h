// The arithmetic of the skinned bars: pointer distance to value and back,
// frame strips, grey-level position maps, and the value texts. Pure
// functions; any thread.
#pragma once

#include "gfx/Color.h"
#include "skin/SkinDefinition.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vantor {

inline constexpr int kBarMaximum = 255;
inline constexpr int kPanCentre = 128;
inline constexpr float kPitchMinimum = 0.5f;
inline constexpr float kPitchMaximum = 2.0f;

bool IsVertical(const SkinBarStyle& bar);
// R − L for a horizontal bar, B − T for a vertical one.
double BarSpan(const SkinBarStyle& bar);
// x − L (horizontal) or B − y (vertical bars grow upward), within 0..span.
double TravelledDistance(const SkinBarStyle& bar, double x, double y);

// round(fraction × 255), halves to even; 0 for an empty span.
std::int32_t ValueFromFraction(double fraction);
// (fraction × 150 + 50) / 100 in single precision: 0.5 at 0, 2.0 at 1.
float PitchFromFraction(double fraction);
// The fraction a pitch scale lies at.
double FractionFromPitch(float scale);
double SafeFraction(double part, double whole);

// Frame strips: the last frame index of a strip, the value of frame f and
// the frame that shows a value.
std::int32_t LastFrame(int pictureWidth, int frameWidth);
std::int32_t FrameForFraction(double fraction, std::int32_t lastFrame);

// A position map pixel: nothing for magenta (outside the bar), else its
// grey level (red + green + blue) / 3 from 0 to 255.
std::optional<double> MapLevel(gfx::Pixel pixel);

// The value texts shown in the bar's value field.
std::string VolumeText(std::int32_t volume);
std::string PanText(std::int32_t pan);
std::string PitchNumberText(float scale);
std::string PitchText(float scale);

// True when the written pitch lies from 0.9 to 1.1 but is not exactly 1, the
// range an auto-reset pitch bar snaps to 1.0 from.
bool PitchSnaps(float scale);

} // namespace vantor
