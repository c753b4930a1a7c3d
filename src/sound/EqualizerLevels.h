// The equaliser's settings: ten octave bands and a preamp, each a level in
// dB. Shared by the engine's unit, the settings window and the preset files.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace vantor {

inline constexpr std::size_t kEqualizerBands = 10;
inline constexpr std::array<double, kEqualizerBands> kEqualizerCentres{
    31.0, 62.0, 125.0, 250.0, 500.0, 1000.0, 2000.0, 4000.0, 8000.0, 16000.0};
inline constexpr float kEqualizerMaxLevel = 12.0f;

struct EqualizerLevels {
    std::array<float, kEqualizerBands> bands{};
    float preamp = 0.0f;

    bool IsFlat() const {
        return preamp == 0.0f &&
               std::all_of(bands.begin(), bands.end(), [](float level) { return level == 0.0f; });
    }
    // Every level within ±12 dB.
    EqualizerLevels Clamped() const {
        EqualizerLevels clamped = *this;
        for (float& level : clamped.bands) {
            level = std::clamp(level, -kEqualizerMaxLevel, kEqualizerMaxLevel);
        }
        clamped.preamp = std::clamp(preamp, -kEqualizerMaxLevel, kEqualizerMaxLevel);
        return clamped;
    }
    bool operator==(const EqualizerLevels&) const = default;
};

} // namespace vantor
