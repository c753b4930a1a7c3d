// What the playlist needs from media inspection and the sound library: the
// ZIP probe of every added file, the list title and file information of an
// entry, and the play length of a stream. The player wires the media layer
// and the sound library behind it; tests fake it. UI thread only.
#pragma once

#include "playlist/PlaylistState.h"

#include <optional>
#include <string>

namespace vantor {

class MediaProbe {
public:
    virtual ~MediaProbe() = default;

    // Appends one entry per playable stored member when `path` is a ZIP
    // archive, through the spare element of `playlist`. True when the file
    // is treated as an archive (even when nothing was appended); false lets
    // the caller add the file itself.
    virtual bool ScanZipArchive(const std::string& path, PlaylistState& playlist) = 0;
    // The list title of `entry` from the `PlayListStyle` template; also
    // stores the play time found in entry.LengthMs.
    virtual std::string BuildSongText(const std::string& style, PlaylistEntry& entry) = 0;
    // The multi-line information text of `entry`.
    virtual std::string BuildFileInfoText(const PlaylistEntry& entry) = 0;
    // The play time of the entry opened as a stream (the member's byte range
    // for a ZIP member); nothing when the stream cannot be opened.
    virtual std::optional<Fixed4> StreamLengthMs(const PlaylistEntry& entry) = 0;
};

} // namespace vantor
