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
// follow after them, and then the playlist files of other programs.
inline constexpr std::array<std::string_view, 30> PlayableExtensions{
    ".MOD",  ".S3M",  ".XM",  ".IT",  ".MID",  ".RMI",     ".SGT",     ".WAV",  ".MP2", ".MP3",
    ".OGG",  ".WMA",  ".ASF", ".AIF", ".AIFF", ".ZIP.MP3", ".ZIP.OGG", ".ZIP",  ".DVL", ".M3U",
    ".FLAC", ".OPUS", ".M4A", ".MP4", ".AAC",  ".WV",      ".OGA",     ".M3U8", ".PLS", ".XSPF"};

inline constexpr int kNoExtensionMatch = -1;
// The first of the formats FFmpeg decodes beyond the fixed indices.
inline constexpr int kFirstLaterFormat = 20;
// The playlist files: ".DVL" and ".M3U" in the player's own line format,
// then ".M3U8", ".PLS" and ".XSPF" as other programs write them. Every other
// index is a media file or a ZIP archive.
inline constexpr int kDvlExtension = 18;
inline constexpr int kM3uExtension = 19;
inline constexpr int kM3u8Extension = 27;
inline constexpr int kPlsExtension = 28;
inline constexpr int kXspfExtension = 29;

// The first table index whose extension equals the last 4, 3 or 5
// characters of `fileName` ignoring case; kNoExtensionMatch when none does.
int MatchPlayableExtension(std::string_view fileName);

inline bool IsPlaylistExtension(int index) {
    return index == kDvlExtension || index == kM3uExtension || index >= kM3u8Extension;
}

// A media file or ZIP archive, which a folder scan adds (it skips playlists).
inline bool IsMediaExtension(int index) {
    return index != kNoExtensionMatch && !IsPlaylistExtension(index);
}

} // namespace vantor
