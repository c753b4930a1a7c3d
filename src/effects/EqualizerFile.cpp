#include "effects/EqualizerFile.h"

#include "base/AtomicFile.h"
#include "base/ByteReader.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace vantor {

namespace {

constexpr std::string_view kPreampKey = "<Preamp>";
constexpr std::array<std::string_view, kEqualizerBands> kBandKeys{
    "<Band 31Hz>", "<Band 62Hz>", "<Band 125Hz>", "<Band 250Hz>", "<Band 500Hz>",
    "<Band 1kHz>", "<Band 2kHz>", "<Band 4kHz>",  "<Band 8kHz>",  "<Band 16kHz>"};
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// A preset is a few hundred bytes; anything far larger is not one.
constexpr std::size_t kLargestFile = 64 * 1024;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<float> Level(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value) || std::fabs(value) > kEqualizerMaxLevel)
        return std::nullopt;
    return static_cast<float>(value);
}

constexpr std::size_t kPreampSlot = kEqualizerBands;
constexpr std::size_t kNoSlot = kEqualizerBands + 1;

// The band a key line names, kPreampSlot for the preamp, kNoSlot otherwise.
std::size_t Slot(std::string_view key) {
    if (key == kPreampKey)
        return kPreampSlot;
    for (std::size_t band = 0; band < kBandKeys.size(); ++band) {
        if (key == kBandKeys[band])
            return band;
    }
    return kNoSlot;
}

EqualizerRead Refused(std::string error) {
    return {std::nullopt, std::move(error)};
}

std::string LevelText(float level) {
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, level);
    return error == std::errc() ? std::string(digits, end) : std::string("0");
}

EqualizerLevels Levels(float preamp, std::array<float, kEqualizerBands> bands) {
    EqualizerLevels levels;
    levels.preamp = preamp;
    levels.bands = bands;
    return levels;
}

} // namespace

std::string WriteEqualizerText(const EqualizerLevels& levels) {
    const EqualizerLevels clamped = levels.Clamped();
    std::string text;
    auto pair = [&text](std::string_view key, float level) {
        text.append(key).append("\r\n ").append(LevelText(level)).append(" \r\n");
    };
    pair(kPreampKey, clamped.preamp);
    for (std::size_t band = 0; band < kBandKeys.size(); ++band)
        pair(kBandKeys[band], clamped.bands[band]);
    return text;
}

EqualizerRead ReadEqualizerText(std::string_view text) {
    if (text.starts_with(kUtf8Mark))
        text.remove_prefix(kUtf8Mark.size());
    const std::vector<std::string_view> lines = Lines(text);
    EqualizerLevels levels;
    std::array<bool, kEqualizerBands + 1> seen{};
    std::size_t found = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view key = Trimmed(lines[i]);
        if (key.empty())
            continue;
        const std::size_t slot = Slot(key);
        if (slot == kNoSlot)
            return Refused("Not an equalizer preset: unknown line \"" +
                           std::string(key.substr(0, 40)) + "\".");
        if (seen[slot])
            return Refused("The preset names " + std::string(key) + " twice.");
        std::optional<float> level = i + 1 < lines.size() ? Level(lines[i + 1]) : std::nullopt;
        if (!level)
            return Refused("The preset's " + std::string(key) +
                           " has no level between -12 and 12 dB.");
        (slot == kPreampSlot ? levels.preamp : levels.bands[slot]) = *level;
        seen[slot] = true;
        ++found;
        ++i;
    }
    if (found != seen.size())
        return Refused("The preset lacks some of the preamp and ten band levels.");
    return {levels, {}};
}

EqualizerRead LoadEqualizerFile(const std::string& path) {
    const std::optional<std::uint64_t> size = FileSize(path);
    if (size && *size > kLargestFile)
        return Refused("Not an equalizer preset: the file is too large.");
    const auto bytes = ReadFileBytes(path, 0, kLargestFile);
    if (!bytes)
        return Refused("The preset file could not be read.");
    return ReadEqualizerText(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

bool SaveEqualizerFile(const std::string& path, const EqualizerLevels& levels) {
    return WriteFileAtomically(path, WriteEqualizerText(levels));
}

std::span<const EqualizerPreset> ShippedEqualizerPresets() {
    static const std::array<EqualizerPreset, 7> kPresets{{
        {"flat", Levels(0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {"rock", Levels(-3, {5, 4, 3, -1, -2, -1, 2, 4, 5, 5})},
        {"pop", Levels(-2, {-1, 1, 3, 4, 4, 2, 0, -1, -1, -1})},
        {"classical", Levels(0, {0, 0, 0, 0, 0, 0, -3, -4, -4, -6})},
        {"bass boost", Levels(-4, {7, 6, 4, 2, 0, 0, 0, 0, 0, 0})},
        {"treble boost", Levels(-4, {0, 0, 0, 0, 0, 1, 3, 5, 6, 7})},
        {"vocal", Levels(-2, {-3, -3, -2, 0, 2, 4, 4, 2, 0, -1})},
    }};
    return kPresets;
}

} // namespace vantor
