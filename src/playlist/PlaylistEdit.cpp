#include "playlist/PlaylistEdit.h"

#include "playlist/NonStopContinuation.h"
#include "playlist/PlaylistScroll.h"
#include "playlist/TagTotal.h"

#include <algorithm>

namespace vantor {

namespace {

constexpr PlaybackSlotId kSlots[] = {PlaybackSlotId::A, PlaybackSlotId::B};

std::int32_t NextAfter(std::int32_t index, std::int32_t last) {
    return index + 1 > last ? 0 : index + 1;
}

void EmptyTheList(PlaylistContext& context) {
    context.state.Playlist.clear();
    context.view.PlaceScrollThumb(0);
    context.state.HasEntries = 0;
    context.state.SelectedIndex = 0;
    context.view.ShowTotalTime("");
    context.view.ClearSongInfoText();
    context.view.DrawSongInfo();
}

// Entries after the deleted one move up by one, and so do the slots that
// point at them.
void CloseGap(PlaylistContext& context, std::int32_t deleted) {
    auto& playback = context.playback;
    for (const auto slot : kSlots) {
        const auto index = playback.EntryIndex(slot);
        if (index > deleted)
            playback.SetEntryIndex(slot, std::max(index - 1, 0));
    }
}

void PrepareAgain(PlaylistContext& context) {
    auto& state = context.state;
    auto& playback = context.playback;
    std::int32_t next = 0;
    if (context.settings.PlayRandomMode != 0) {
        const auto prepared = PreparedIndex(playback);
        if (prepared >= 0 && prepared <= state.LastIndex())
            state.Playlist[static_cast<std::size_t>(prepared)].Played = kFlagOff;
        next = playback.PickRandomIndex(SoundingIndex(playback));
    } else {
        next = NextAfter(SoundingIndex(playback), state.LastIndex());
    }
    ReopenPreparedSlot(playback, next);
}

void ShowPosition(PlaylistContext& context) {
    context.view.RedrawPlaylist();
    context.view.ShowCurrentTrack(SoundingIndex(context.playback) + 1);
    context.view.ShowTrackCount(context.state.EntryCount());
}

} // namespace

void DeleteSelected(PlaylistContext& context) {
    auto& state = context.state;
    auto& playback = context.playback;
    const auto selected = state.SelectedIndex;
    if (state.HasEntries != 1 || selected < 0 || selected > state.LastIndex())
        return;
    const auto sounding = SoundingIndex(playback);
    const bool playingCase = selected == sounding;
    const bool reprepareCase =
        !playingCase && context.settings.NonStopMegaMix != 0 && selected == PreparedIndex(playback);
    if (playingCase)
        playback.CloseTrack();
    if (state.Playlist.size() == 1) {
        EmptyTheList(context);
        ShowPosition(context);
        return;
    }
    KeepTagTotalOnErase(state, selected);
    state.Playlist.erase(state.Playlist.begin() + selected);
    RecomputeVisibleRows(state, context.view.Layout());
    if (selected <= state.EntryCount() && selected >= state.TopIndex && state.TopIndex > 0)
        --state.TopIndex;
    UpdateScrollThumb(state, context.view);
    CloseGap(context, selected);
    if (reprepareCase)
        PrepareAgain(context);
    state.SelectedIndex = std::max(state.SelectedIndex - 1, 0);
    if (playingCase) {
        const auto current = std::min(sounding, state.LastIndex());
        SetCurrentIndex(playback, current);
        state.SelectedIndex = current;
        playback.OpenTrack(0);
        context.view.ClearSongInfoText();
        context.view.DrawSongInfo();
    }
    ShowPosition(context);
}

bool MoveEntry(PlaylistState& state, std::int32_t from, std::int32_t to) {
    const auto last = state.LastIndex();
    if (from < 0 || to < 0 || from > last || to > last)
        return false;
    KeepTagTotalOnMove(state, from, to);
    const auto begin = state.Playlist.begin();
    if (from < to)
        std::rotate(begin + from, begin + from + 1, begin + to + 1);
    else
        std::rotate(begin + to, begin + from, begin + from + 1);
    return true;
}

void AdjustIndicesAfterMove(PlaylistContext& context, std::int32_t from, std::int32_t to) {
    auto& playback = context.playback;
    const bool movedPrepared = PreparedIndex(playback) == from;
    for (const auto slot : kSlots) {
        const auto i = playback.EntryIndex(slot);
        if (i == from)
            playback.SetEntryIndex(slot, to);
        else if (from < i && to >= i)
            playback.SetEntryIndex(slot, i - 1);
        else if (from > i && to <= i)
            playback.SetEntryIndex(slot, i + 1);
    }
    if (context.settings.NonStopMegaMix != 0) {
        const auto next = movedPrepared
                              ? PreparedIndex(playback)
                              : NextAfter(SoundingIndex(playback), context.state.LastIndex());
        ReopenPreparedSlot(playback, next);
    }
    context.view.ShowCurrentTrack(SoundingIndex(playback) + 1);
}

} // namespace vantor
