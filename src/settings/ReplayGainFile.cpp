#include "settings/ReplayGainFile.h"

#include "base/AtomicFile.h"
#include "base/ByteReader.h"
#include "base/StringUtil.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace vantor {

namespace {

constexpr std::string_view kModeKey = "<Mode>";
constexpr std::string_view kPreampKey = "<Preamp>";
constexpr std::array<std::string_view, 3> kModeNames{"off", "track", "album"};
// The file is a few dozen bytes; anything far larger is not one.
constexpr std::size_t kLargestFile = 4096;

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(TrimWhitespace(text.substr(0, end)));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<ReplayGainMode> ModeNamed(std::string_view name) {
    for (std::size_t i = 0; i < kModeNames.size(); ++i) {
        if (EqualsIgnoreCase(name, kModeNames[i]))
            return static_cast<ReplayGainMode>(i);
    }
    return std::nullopt;
}

std::optional<double> Preamp(std::string_view text) {
    if (text.starts_with('+'))
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value) || std::fabs(value) > kReplayGainMaxPreampDb)
        return std::nullopt;
    return value;
}

std::string PreampText(double preampDb) {
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, preampDb);
    return error == std::errc() ? std::string(digits, end) : std::string("0");
}

} // namespace

std::string WriteReplayGainText(const ReplayGainChoice& choice) {
    const double preamp =
        std::clamp(choice.preampDb, -kReplayGainMaxPreampDb, kReplayGainMaxPreampDb);
    std::string text;
    text.append(kModeKey).append("\r\n ");
    text.append(kModeNames[static_cast<std::size_t>(choice.mode)]).append(" \r\n");
    text.append(kPreampKey).append("\r\n ").append(PreampText(preamp)).append(" \r\n");
    return text;
}

ReplayGainChoice ReadReplayGainText(std::string_view text) {
    const std::vector<std::string_view> lines = Lines(text);
    std::optional<ReplayGainMode> mode;
    std::optional<double> preamp;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] == kModeKey && !mode)
            mode = ModeNamed(lines[++i]);
        else if (lines[i] == kPreampKey && !preamp)
            preamp = Preamp(lines[++i]);
    }
    if (!mode || !preamp)
        return {};
    return {*mode, *preamp};
}

ReplayGainChoice LoadReplayGainFile(const std::string& path) {
    const auto bytes = ReadFileBytes(path, 0, kLargestFile + 1);
    if (!bytes || bytes->size() > kLargestFile)
        return {};
    return ReadReplayGainText(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

bool SaveReplayGainFile(const std::string& path, const ReplayGainChoice& choice) {
    return WriteFileAtomically(path, WriteReplayGainText(choice));
}

} // namespace vantor
