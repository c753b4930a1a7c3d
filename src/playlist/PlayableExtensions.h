// The table of playable file extensions and the match that finds a file's
// index in it. Pure functions over constant data; any thread.
#pragma once

#include <array>
#include <string_view>

namespace vantor {

// In this order: the search stops at the first match, so ".MP3" is found
// before the ZIP forms and the ".ZIP.*" rows never match (only 3 to 5
// characters are compared) but keep their places. The first 20 indices are
// fixed (other rules name them); the formats FFmpeg decodes beyond those
// follow after them.
inline constexpr std::array<std::string_view, 27> PlayableExtensions{
    ".MOD", ".S3M", ".XM",   ".IT",   ".MID", ".RMI",  ".SGT",     ".WAV",     ".MP2",
    ".MP3", ".OGG", ".WMA",  ".ASF",  ".AIF", ".AIFF", ".ZIP.MP3", ".ZIP.OGG", ".ZIP",
    ".DVL", ".M3U", ".FLAC", ".OPUS", ".M4A", ".MP4",  ".AAC",     ".WV",      ".OGA"};

inline constexpr int kNoExtensionMatch = -1;
// The playlist files: ".DVL" and ".M3U"; every other index is a media file
// or a ZIP archive.
inline constexpr int kFirstPlaylistExtension = 18;
inline constexpr int kLastPlaylistExtension = 19;

// The first table index whose extension equals the last 4, 3 or 5
// characters of `fileName` ignoring case; kNoExtensionMatch when none does.
int MatchPlayableExtension(std::string_view fileName);

inline bool IsPlaylistExtension(int index) {
    return index >= kFirstPlaylistExtension && index <= kLastPlaylistExtension;
}

// A media file or ZIP archive, which a folder scan adds (it skips playlists).
inline bool IsMediaExtension(int index) {
    return index != kNoExtensionMatch && !IsPlaylistExtension(index);
}

} // namespace vantor
