// Reading and writing playlist files (".M3U" and ".DVL" share one line
// format). Entries are appended to the caller's PlaylistState through its
// spare element; the caller owns the state. UI thread (or any thread that
// owns the state exclusively).
#pragma once

#include "playlist/PlaylistState.h"

#include <string>
#include <string_view>

namespace vantor {

// Appends the entries of the playlist file at `path` to `playlist`, whose
// last element must be the spare. Locations are resolved against the
// file's folder. ".M3U8", ".PLS" and ".XSPF" files (by their extension) go
// through their own readers; every other file is read as ".M3U" and
// ".DVL" are. False when the file cannot be read (or is too large for a
// list of another program) or a malformed "#VantorExt2:" line or broken
// XML ended the reading; the entries read stay either way.
bool LoadPlaylistFile(const std::string& path, PlaylistState& playlist);

// The same reading over bytes already in memory; `folder` is the folder
// relative locations are taken against.
bool ReadPlaylistText(std::string_view bytes, const std::string& folder, PlaylistState& playlist);

// The reading of a list of another program over bytes in memory;
// `extension` is its PlayableExtensions index (kM3u8Extension,
// kPlsExtension or kXspfExtension). False for any other index.
bool ReadListedText(int extension, std::string_view bytes, const std::string& folder,
                    PlaylistState& playlist);

// Writes every entry of `playlist` to `path`, replacing the file only once
// the new one is complete. Locations below the file's folder are written
// relative to it. False when the file could not be written.
bool SavePlaylistFile(const std::string& path, const PlaylistState& playlist);

// The default playlist at start-up: `path` read into an empty list when it
// exists. Returns the number of entries; the list is empty without any.
std::int32_t LoadDefaultPlaylist(const std::string& path, PlaylistState& playlist);

// The default playlist at shutdown: the list when it has entries, else an
// empty file.
bool SaveDefaultPlaylist(const std::string& path, const PlaylistState& playlist);

// The text SavePlaylistFile writes, for a playlist file in `folder`.
std::string FormatPlaylistText(const PlaylistState& playlist, const std::string& folder);

} // namespace vantor
