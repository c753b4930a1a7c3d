#include "playlist/TagReader.h"

#include "base/TimeText.h"

namespace vantor {

namespace {

constexpr std::int32_t kFallbackTagInterval = 50;

Fixed4 SumOfLengths(const PlaylistState& state, std::int32_t last) {
    Fixed4 sum;
    for (std::int32_t i = 0; i <= last; ++i)
        sum = sum + state.Playlist[static_cast<std::size_t>(i)].LengthMs;
    return sum;
}

// Fills the entry's title and length; true when something was set.
bool FillEntry(PlaylistContext& context, PlaylistEntry& entry) {
    if (entry.Title.empty()) {
        entry.Title = context.media.BuildSongText(context.settings.PlayListStyle, entry);
        entry.LengthText = ReadLengthText(entry, context.media);
        return true;
    }
    if (entry.LengthText.empty()) {
        entry.LengthText = ReadLengthText(entry, context.media);
        return true;
    }
    return false;
}

std::string PlayingLengthText(const PlaylistContext& context) {
    const auto index = SoundingIndex(context.playback);
    if (index < 0 || index > context.state.LastIndex())
        return {};
    return context.state.Playlist[static_cast<std::size_t>(index)].LengthText;
}

} // namespace

std::string ShortLengthText(Fixed4 lengthMs) {
    auto text = FormatTime(MillisecondsToSeconds(lengthMs.ToDouble()));
    if (text.starts_with('0'))
        text.erase(0, 1);
    return text;
}

std::string ReadLengthText(PlaylistEntry& entry, MediaProbe& media) {
    if (entry.LengthMs == Fixed4{}) {
        const auto length = media.PlayLengthMs(entry);
        if (!length)
            return "0:00";
        entry.LengthMs = *length;
    }
    return ListLengthText(entry.LengthMs.ToDouble());
}

void StartTagReader(PlaylistContext& context, std::int32_t first) {
    context.state.TagCursor = first;
    const auto interval = context.settings.GetTagInterval;
    context.view.SetTagReaderInterval(interval < 1 ? kFallbackTagInterval : interval);
}

std::string TagReaderTick(PlaylistContext& context) {
    auto& state = context.state;
    if (state.HasEntries == 0 || state.TagCursor < 0 || state.TagCursor > state.LastIndex()) {
        context.view.SetTagReaderInterval(0);
        return {};
    }
    if (FillEntry(context, state.Playlist[static_cast<std::size_t>(state.TagCursor)]))
        context.view.RedrawPlaylist();
    const auto total = SumOfLengths(state, state.TagCursor);
    auto totalText = FormatTime(MillisecondsToSeconds(total.ToDouble()));
    context.view.ShowTimeText(PlayingLengthText(context) + " / " + totalText);
    context.view.ShowTotalTime(totalText);
    ++state.TagCursor;
    return totalText;
}

} // namespace vantor
