#include "media/SongText.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "base/TimeText.h"

namespace vantor {

namespace {

// The name without its extension. The stored rule cut four characters,
// which also cut a letter of two-letter extensions (".xm", ".it") and of
// names without one.
std::string WithoutExtension(std::string_view name) {
    const auto dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string OrFallback(const std::string& text, std::string fallback) {
    return text.empty() ? fallback : text;
}

std::string PlaceholderText(char digit, const SongTrack& track, const TrackDescription& d) {
    const bool member = !track.MemberName.empty();
    switch (digit) {
    case '1':
        return OrFallback(d.Artist, "No Artist");
    case '2':
        return OrFallback(d.Title, NameWithoutExtension(track));
    case '3':
        return OrFallback(d.Album, "No Album");
    case '4':
        return OrFallback(d.Comment, "No Comment");
    case '5':
        return WithoutExtension(FileNameOf(track.Path));
    case '6':
        return member ? track.MemberName : track.Path;
    default:
        return d.Track;
    }
}

bool HasFieldPlaceholder(std::string_view songTemplate) {
    for (const char digit : std::string_view("123456")) {
        if (songTemplate.find(std::string{'%', digit}) != std::string_view::npos)
            return true;
    }
    return false;
}

} // namespace

std::string NameWithoutExtension(const SongTrack& track) {
    return WithoutExtension(track.MemberName.empty() ? FileNameOf(track.Path) : track.MemberName);
}

std::string ExpandSongTemplate(std::string_view songTemplate, const SongTrack& track,
                               const TrackDescription& description) {
    std::string result;
    for (std::size_t i = 0; i < songTemplate.size(); ++i) {
        const bool placeholder = songTemplate[i] == '%' && i + 1 < songTemplate.size() &&
                                 songTemplate[i + 1] >= '1' && songTemplate[i + 1] <= '7';
        if (placeholder) {
            result += PlaceholderText(songTemplate[i + 1], track, description);
            ++i;
        } else {
            result += songTemplate[i];
        }
    }
    return result;
}

std::optional<Fixed4> ResolveLengthMs(const SongTrack& track, const TrackDescription& description,
                                      const SongTextContext& context) {
    const Fixed4 known = description.PlayTimeMs.value_or(track.LengthMs);
    if (known != Fixed4())
        return known;
    return context.playLengthMs ? context.playLengthMs(track) : std::nullopt;
}

std::string ResolveLengthText(const SongTrack& track, const TrackDescription& description,
                              const SongTextContext& context) {
    if (!track.LengthText.empty())
        return track.LengthText;
    const auto length = ResolveLengthMs(track, description, context);
    return length ? ListLengthText(length->ToDouble()) : std::string("0:00");
}

std::string DoubleAmpersands(std::string_view text) {
    return ReplaceAll(text, "&", "&&");
}

SongText BuildSongText(std::string_view songTemplate, const SongTrack& track, SongTextMode mode,
                       const SongTextContext& context) {
    SongText result;
    result.Description = DescribeTrack(track, context);
    result.SongTextPlain = HasFieldPlaceholder(songTemplate)
                               ? ExpandSongTemplate(songTemplate, track, result.Description)
                               : NameWithoutExtension(track);
    if (mode == SongTextMode::Playlist) {
        result.Text = result.SongTextPlain;
        return result;
    }
    result.LengthText = ResolveLengthText(track, result.Description, context);
    result.Text = DoubleAmpersands(result.SongTextPlain) + " (" + result.LengthText + ")      ";
    return result;
}

} // namespace vantor
