#include "playlist/TagReader.h"

#include "base/TimeText.h"
#include "playlist/TagTotal.h"

#include <chrono>
#include <optional>
#include <span>

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
    auto& state = context.state;
    if (state.HasEntries != 0 && state.TagCursor >= 0 && state.TagCursor <= state.LastIndex()) {
        const auto from = static_cast<std::size_t>(state.TagCursor);
        const auto to = static_cast<std::size_t>(state.LastIndex()) + 1;
        context.media.ReadAhead(context.settings.PlayListStyle,
                                std::span(state.Playlist).subspan(from, to - from));
    }
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
    std::optional<std::chrono::microseconds> patience; // the first entry is always waited for
    while (true) {
        PlaylistEntry& entry = state.Playlist[static_cast<std::size_t>(state.TagCursor)];
        // An entry being read ahead is taken once read, not read twice; one
        // that is not read within the budget comes with the next tick.
        if (!context.media.AwaitReadAhead(context.settings.PlayListStyle, entry, patience))
            break;
        filled = FillEntry(context, entry) || filled;
        PassTagCursor(state);
        const auto now = budget.now();
        if (state.TagCursor > state.LastIndex() || now >= end)
            break;
        patience = std::chrono::duration_cast<std::chrono::microseconds>(end - now);
    }
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
