// Appending the playable files of a folder (and of the folders below it) to
// the playlist. The caller owns the state, whose last element must be the
// spare. UI thread only.
#pragma once

#include "platform/MessageBoxes.h"
#include "playlist/PlaylistState.h"

#include <string>

namespace vantor {

enum class FolderFiles {
    // Every file, hidden ones included.
    All,
    // Only files without the hidden mark (a leading ".").
    NormalOnly,
};

// Files of a folder come before the contents of its sub-folders, depth
// first, each folder in name order. Playlist files are never taken from a
// folder; every other match goes through the ZIP probe. A folder reached
// twice (a cycle of symbolic links) is scanned once.
void ScanFolder(const std::string& folder, bool recurse, PlaylistState& playlist,
                MessageBoxes& messages, FolderFiles files = FolderFiles::All);

// The ZIP probe: appends the playable stored members when `path` is a ZIP
// archive, and `path` itself when the walk finds it is not one. A deflated
// playable member is reported through `messages`.
void ProbeAndAppend(const std::string& path, PlaylistState& playlist, MessageBoxes& messages);

} // namespace vantor
