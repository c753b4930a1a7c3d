#include "media/ReplayGainTags.h"

#include "base/StringUtil.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vantor {

namespace {

// Far beyond any gain a scanner writes; larger values are damage.
constexpr double kLargestGainDb = 60.0;
constexpr double kLargestPeak = 100.0;

// The number that starts `text` after blanks and an optional "+"; the rest
// must be blank or a unit that starts with "dB".
std::optional<double> LeadingNumber(std::string_view text, bool allowDecibels) {
    text = TrimWhitespace(text);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    const std::string_view rest =
        TrimWhitespace(text.substr(static_cast<std::size_t>(end - text.data())));
    if (rest.empty() || (allowDecibels && EqualsIgnoreCase(rest, "dB")))
        return value;
    return std::nullopt;
}

} // namespace

std::optional<double> ParseReplayGainDb(std::string_view text) {
    const std::optional<double> gain = LeadingNumber(text, true);
    if (!gain || std::fabs(*gain) > kLargestGainDb)
        return std::nullopt;
    return gain;
}

std::optional<double> ParseReplayGainPeak(std::string_view text) {
    const std::optional<double> peak = LeadingNumber(text, false);
    if (!peak || *peak <= 0.0 || *peak > kLargestPeak)
        return std::nullopt;
    return peak;
}

bool TakeReplayGainField(std::string_view name, std::string_view value, ReplayGainTags& tags) {
    using Field = std::optional<double> ReplayGainTags::*;
    struct Known {
        std::string_view name;
        Field field;
        bool isGain;
    };
    static constexpr std::array<Known, 4> kFields{{
        {"REPLAYGAIN_TRACK_GAIN", &ReplayGainTags::trackGainDb, true},
        {"REPLAYGAIN_ALBUM_GAIN", &ReplayGainTags::albumGainDb, true},
        {"REPLAYGAIN_TRACK_PEAK", &ReplayGainTags::trackPeak, false},
        {"REPLAYGAIN_ALBUM_PEAK", &ReplayGainTags::albumPeak, false},
    }};
    for (const Known& known : kFields) {
        if (EqualsIgnoreCase(name, known.name)) {
            tags.*known.field =
                known.isGain ? ParseReplayGainDb(value) : ParseReplayGainPeak(value);
            return true;
        }
    }
    return false;
}

} // namespace vantor
