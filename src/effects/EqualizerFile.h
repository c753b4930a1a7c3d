// The equaliser's files: the preset files the page opens and saves, and
// "Equalizer.DVC" beside "Vantor.DVC", which keeps the levels between runs.
// Both hold a key line per level ("<Preamp>", "<Band 31Hz>" ... "<Band 16kHz>")
// followed by a value line with the level in dB (" 6 "); UTF-8, CR LF.
#pragma once

#include "sound/EqualizerLevels.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::string_view kEqualizerFileName = "Equalizer.DVC";

struct EqualizerRead {
    std::optional<EqualizerLevels> levels;
    // Why the text was refused, for the user; empty when it was read.
    std::string error;
};

std::string WriteEqualizerText(const EqualizerLevels& levels);
// Every level must appear once, as a number within ±12 dB; anything else
// refuses the whole text.
EqualizerRead ReadEqualizerText(std::string_view text);

EqualizerRead LoadEqualizerFile(const std::string& path);
// Written atomically; false when it could not be written.
bool SaveEqualizerFile(const std::string& path, const EqualizerLevels& levels);

struct EqualizerPreset {
    std::string_view name;
    EqualizerLevels levels;
};
// The presets the page's list offers, "flat" first.
std::span<const EqualizerPreset> ShippedEqualizerPresets();

} // namespace vantor
