#include "skin/BarMapping.h"

#include "base/VbNumber.h"

#include <algorithm>

namespace vantor {

bool IsVertical(const SkinBarStyle& bar) {
    return bar.direction == "VERTICAL";
}

double BarSpan(const SkinBarStyle& bar) {
    return IsVertical(bar) ? bar.rect.Height() : bar.rect.Width();
}

double TravelledDistance(const SkinBarStyle& bar, double x, double y) {
    const double distance = IsVertical(bar) ? bar.rect.bottom - y : x - bar.rect.left;
    return std::clamp(distance, 0.0, std::max(0.0, BarSpan(bar)));
}

double SafeFraction(double part, double whole) {
    return whole > 0 ? part / whole : 0.0;
}

std::int32_t ValueFromFraction(double fraction) {
    return static_cast<std::int32_t>(RoundHalfEven(fraction * kBarMaximum));
}

float PitchFromFraction(double fraction) {
    return static_cast<float>((fraction * 150.0 + 50.0) / 100.0);
}

double FractionFromPitch(float scale) {
    return (static_cast<double>(scale) * 100.0 - 50.0) / 150.0;
}

std::int32_t LastFrame(int pictureWidth, int frameWidth) {
    return frameWidth > 0 ? pictureWidth / frameWidth - 1 : -1;
}

std::int32_t FrameForFraction(double fraction, std::int32_t lastFrame) {
    return static_cast<std::int32_t>(RoundHalfEven(fraction * std::max(lastFrame, 0)));
}

std::optional<double> MapLevel(gfx::Pixel pixel) {
    if (pixel == gfx::kMagenta || pixel == gfx::kInvalidPixel)
        return std::nullopt;
    return (gfx::RedOf(pixel) + gfx::GreenOf(pixel) + gfx::BlueOf(pixel)) / 3.0;
}

std::string VolumeText(std::int32_t volume) {
    return std::to_string(RoundHalfEven(volume / 255.0 * 100.0)) + "%";
}

std::string PanText(std::int32_t pan) {
    if (pan == kPanCentre)
        return "Mid";
    return pan > kPanCentre ? "R" + std::to_string(pan - kPanCentre)
                            : "L" + std::to_string(kPanCentre - pan);
}

std::string PitchNumberText(float scale) {
    if (scale == 1.0f)
        return "1.00";
    // The decimal text is written without a zero before the point, cut to
    // four characters, and then given back its leading zero.
    std::string text = FormatSingle(scale);
    if (text.starts_with("0."))
        text.erase(0, 1);
    text = text.substr(0, 4);
    if (text.starts_with("."))
        text.insert(0, "0");
    const auto point = text.find('.');
    if (point == std::string::npos)
        text += ".";
    const std::size_t decimals = text.size() - text.find('.') - 1;
    if (decimals < 2)
        text.append(2 - decimals, '0');
    return text;
}

std::string PitchText(float scale) {
    return "×" + PitchNumberText(scale);
}

bool PitchSnaps(float scale) {
    const double written = Val(PitchNumberText(scale));
    return written >= 0.9 && written <= 1.1 && scale != 1.0f;
}

} // namespace vantor
