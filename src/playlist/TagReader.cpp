#include "playlist/TagReader.h"

#include "base/TimeText.h"
#include "playlist/TagTotal.h"

namespace vantor {

namespace {

constexpr std::int32_t kFallbackTagInterval = 50;

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
    PlaceTagCursor(context.state, first);
    const auto interval = context.settings.GetTagInterval;
    context.view.SetTagReaderInterval(interval < 1 ? kFallbackTagInterval : interval);
}

std::string TagReaderTick(PlaylistContext& context, const TagReadBudget& budget) {
    auto& state = context.state;
    if (state.HasEntries == 0 || state.TagCursor < 0 || state.TagCursor > state.LastIndex()) {
        context.view.SetTagReaderInterval(0);
        return {};
    }
    const auto end = budget.now() + budget.share;
    bool filled = false;
    do {
        filled =
            FillEntry(context, state.Playlist[static_cast<std::size_t>(state.TagCursor)]) || filled;
        PassTagCursor(state);
    } while (state.TagCursor <= state.LastIndex() && budget.now() < end);
    if (filled)
        context.view.RedrawPlaylist();
    return ShowTagTotal(context);
}

std::string ShowTagTotal(PlaylistContext& context) {
    if (context.state.HasEntries == 0)
        return {};
    auto totalText =
        FormatTime(MillisecondsToSeconds(context.state.LengthBeforeTagCursor.ToDouble()));
    context.view.ShowTimeText(PlayingLengthText(context) + " / " + totalText);
    context.view.ShowTotalTime(totalText);
    return totalText;
}

} // namespace vantor
