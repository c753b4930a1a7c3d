#include "playlist/PlaylistRows.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "playlist/PlayableExtensions.h"

namespace vantor {

namespace {

constexpr std::string_view kEllipsis = "...";

// The first `count` characters less than all of `text`.
std::string DropLastCharacters(std::string_view text, std::size_t count) {
    const auto length = Utf8Length(text);
    return length <= count ? std::string() : Utf8Left(text, length - count);
}

} // namespace

std::string NumberPrefix(std::int32_t number) {
    return (number < 10 ? " " : "") + std::to_string(number) + ". ";
}

std::string FallbackTitle(const PlaylistEntry& entry) {
    if (!entry.PendingTitle.empty())
        return entry.PendingTitle;
    const auto name = FileNameOf(ToLongPathName(entry.Path));
    // The first formats keep their fixed cut (which leaves the dot of
    // ".aiff"); the later ones lose exactly their extension, so that
    // ".flac" and ".wv" leave the whole name.
    const int format = MatchPlayableExtension(name);
    if (format >= kFirstLaterFormat)
        return name.substr(0, name.size() -
                                  PlayableExtensions[static_cast<std::size_t>(format)].size());
    const bool shortExtension = EndsWithIgnoreCase(name, ".IT") || EndsWithIgnoreCase(name, ".XM");
    return DropLastCharacters(name, shortExtension ? 3 : 4);
}

std::string FitText(std::string_view text, std::int32_t width, const TextMeasurer& measurer) {
    if (measurer.TextWidth(text) <= width)
        return std::string(text);
    std::string head(text);
    std::size_t length = Utf8Length(head);
    while (length > 0) {
        head = Utf8Left(head, --length);
        if (measurer.TextWidth(head + std::string(kEllipsis)) <= width)
            break;
    }
    return head + std::string(kEllipsis);
}

RowText BuildRowText(const PlaylistEntry& entry, std::int32_t index, const Settings& settings,
                     std::int32_t rowWidth, const TextMeasurer& measurer) {
    RowText row;
    if (settings.ShowTrackNumber != 0)
        row.prefix = NumberPrefix(index + 1);
    if (settings.ShowTrackPlayTime != 0)
        row.time = entry.LengthText;
    const auto space = rowWidth - measurer.TextWidth(row.prefix) - measurer.TextWidth(row.time);
    row.title = FitText(entry.Title.empty() ? FallbackTitle(entry) : entry.Title, space, measurer);
    return row;
}

std::vector<RowText> VisibleRowTexts(const PlaylistState& state, const Settings& settings,
                                     std::int32_t rowWidth, const TextMeasurer& measurer) {
    std::vector<RowText> rows;
    for (std::int32_t r = 0; r <= state.VisibleRows; ++r) {
        const auto index = state.TopIndex + r;
        if (index < 0 || index > state.LastIndex())
            break;
        rows.push_back(BuildRowText(state.Playlist[static_cast<std::size_t>(index)], index,
                                    settings, rowWidth, measurer));
    }
    return rows;
}

RowRole RowRoleOf(std::int32_t index, const PlaylistState& state, const PlaybackControl& playback) {
    if (index == state.SelectedIndex)
        return RowRole::Selected;
    if (index == SoundingIndex(playback))
        return RowRole::Playing;
    return RowRole::Normal;
}

} // namespace vantor
