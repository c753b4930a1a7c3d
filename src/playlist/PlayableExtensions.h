// The table of playable file extensions and the match that finds a file's
// index in it. Pure functions over constant data; any thread.
#pragma once

#include <array>
#include <string_view>

namespace vantor {

// In this order: the search stops at the first match, so ".MP3" is found
// before the ZIP forms and the ".ZIP.*" rows never match (only 3 to 5
// characters are compared) but keep their places.
inline constexpr std::array<std::string_view, 20> PlayableExtensions{
    ".MOD", ".S3M", ".XM",  ".IT",  ".MID",  ".RMI",     ".SGT",     ".WAV", ".MP2", ".MP3",
    ".OGG", ".WMA", ".ASF", ".AIF", ".AIFF", ".ZIP.MP3", ".ZIP.OGG", ".ZIP", ".DVL", ".M3U"};

inline constexpr int kNoExtensionMatch = -1;
// Indices below this are media files and ZIP archives; from it on playlists.
inline constexpr int kFirstPlaylistExtension = 18;

// The first table index whose extension equals the last 4, 3 or 5
// characters of `fileName` ignoring case; kNoExtensionMatch when none does.
// `limit` restricts the search to indices below it (folder scans pass
// kFirstPlaylistExtension).
int MatchPlayableExtension(std::string_view fileName,
                           int limit = static_cast<int>(PlayableExtensions.size()));

inline bool IsPlaylistExtension(int index) {
    return index >= kFirstPlaylistExtension;
}

} // namespace vantor
