// The playlist and the positions the playlist window keeps in it. A plain
// record owned by the Player; the playlist operations, the playback core and
// the windows change it by reference. UI thread only.
#pragma once

#include "playlist/PlaylistEntry.h"

#include <cstdint>
#include <vector>

namespace vantor {

struct PlaylistState {
    // The entries from index 0. While an add runs, the last element is the
    // spare that receives the next entry.
    std::vector<PlaylistEntry> Playlist;
    // 1 when the list holds at least one entry; test it before Playlist.
    std::int32_t HasEntries = 0;
    // The highlighted entry, the one Delete and the move buttons act on.
    std::int32_t SelectedIndex = 0;
    // The first entry visible in the playlist window.
    std::int32_t TopIndex = 0;
    // Rows that fit in the window minus 1, never more than the last index.
    std::int32_t VisibleRows = 0;
    // The next entry the background tag reader fills in.
    std::int32_t TagCursor = 0;
    // The sum of LengthMs of the entries before TagCursor: the total time the
    // reader shows. Kept up to date by the reader and by the edits that move
    // entries across the cursor, so no tick adds up the whole list.
    Fixed4 LengthBeforeTagCursor;

    // Entries held outside an add (the spare element is not one).
    std::int32_t EntryCount() const {
        return HasEntries == 1 ? static_cast<std::int32_t>(Playlist.size()) : 0;
    }
    // The last index; -1 for an empty list.
    std::int32_t LastIndex() const { return EntryCount() - 1; }

    // The element that receives the next entry while adding.
    PlaylistEntry& Spare() { return Playlist.back(); }
    // Keeps the filled spare element as an entry and adds a new spare one.
    void AppendSpare() {
        Playlist.emplace_back();
        HasEntries = 1;
    }
    // The list becomes the single spare element, without entries.
    void ResetToSpare() {
        Playlist.assign(1, PlaylistEntry{});
        HasEntries = 0;
    }
    void GrowSpare() { Playlist.emplace_back(); }
    // Drops the spare element at the end of an add.
    void TrimSpare() {
        if (!Playlist.empty())
            Playlist.pop_back();
    }
};

} // namespace vantor
