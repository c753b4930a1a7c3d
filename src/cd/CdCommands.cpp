#include "cd/CdCommands.h"

#include "playlist/NonStopContinuation.h"
#include "playlist/TagReader.h"

#include <algorithm>

namespace vantor {

namespace {

// Appends the ticked rows' entries; the number appended.
std::int32_t AppendTicked(PlaylistState& state, const std::vector<CdTrackRow>& rows,
                          const std::vector<bool>& ticked) {
    std::int32_t added = 0;
    const std::size_t count = std::min(rows.size(), ticked.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (!ticked[i])
            continue;
        state.Playlist.push_back(rows[i].entry);
        state.HasEntries = 1;
        ++added;
    }
    return added;
}

// The list shrank or grew: keep the window's positions inside it and
// show it again.
void RefreshList(PlaylistContext& context) {
    PlaylistState& state = context.state;
    const std::int32_t last = std::max(state.LastIndex(), 0);
    state.TopIndex = std::min(state.TopIndex, last);
    state.SelectedIndex = std::min(state.SelectedIndex, last);
    context.view.ShowTrackCount(state.EntryCount());
    context.view.RedrawPlaylist();
}

} // namespace

void StopCdTrackBeforeListing(PlaylistContext& context) {
    if (context.state.HasEntries != 1)
        return;
    const auto index = static_cast<std::size_t>(CurrentIndex(context.playback));
    if (index < context.state.Playlist.size() && context.state.Playlist[index].IsCdTrack == kFlagOn)
        context.playback.StopTrack();
}

void PlayCdTracks(PlaylistContext& context, const std::vector<CdTrackRow>& rows,
                  const std::vector<bool>& ticked) {
    context.playback.StopTrack();
    context.playback.CloseTrack();
    context.state.Playlist.clear();
    context.state.HasEntries = 0;
    if (AppendTicked(context.state, rows, ticked) == 0) {
        // The main window no longer names a track that left the list.
        context.view.ClearSongInfoText();
        context.view.DrawSongInfo();
        context.view.RedrawPlaylist();
        return;
    }
    RefreshList(context);
    // The tag reader names the tracks in the list, as it does added files.
    StartTagReader(context, 0);
    SetCurrentIndex(context.playback, 0);
    context.playback.OpenTrack(0);
    if (context.settings.AutoPlay != 0)
        context.playback.PlayTrack();
    else
        context.view.DrawSongInfo();
}

void AddCdTracks(PlaylistContext& context, const std::vector<CdTrackRow>& rows,
                 const std::vector<bool>& ticked) {
    PlaylistState& state = context.state;
    const bool wasEmpty = state.HasEntries != 1;
    const std::int32_t lastBefore = state.LastIndex();
    if (wasEmpty)
        state.Playlist.clear();
    if (AppendTicked(state, rows, ticked) == 0)
        return;
    RefreshList(context);
    StartTagReader(context, lastBefore + 1);
    if (wasEmpty) {
        SetCurrentIndex(context.playback, 0);
        context.playback.OpenTrack(0);
        context.view.DrawSongInfo();
    } else if (ContinuationHolds(context, lastBefore, RandomForm::Used)) {
        PrepareNextEntry(context, RandomForm::Used);
    }
}

} // namespace vantor
