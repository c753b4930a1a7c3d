// What the playlist window needs from media inspection and the sound
// library: the list title and file information of an entry, and the play
// length of a stream. The player wires the media layer and the sound library
// behind it; tests fake it. UI thread only.
#pragma once

#include "media/FileInfoText.h"
#include "playlist/PlaylistEntry.h"

#include <chrono>
#include <optional>
#include <span>
#include <string>

namespace vantor {

class MediaProbe {
public:
    virtual ~MediaProbe() = default;

    // The list title of `entry` from the `PlayListStyle` template; also
    // stores the play time found in entry.LengthMs.
    virtual std::string BuildSongText(const std::string& style, PlaylistEntry& entry) = 0;
    // The multi-line information text of `entry`.
    virtual FileInfoText BuildFileInfoText(const PlaylistEntry& entry) = 0;
    // The play time of the entry opened as a stream (the member's byte range
    // for a ZIP member), or as a song whose length the sound library knows;
    // nothing when neither gives one.
    virtual std::optional<Fixed4> PlayLengthMs(const PlaylistEntry& entry) = 0;

    // Starts reading the titles of `entries` with `style`, in this order, on
    // the side where the probe can; BuildSongText then finds them read. By
    // default nothing is read ahead.
    virtual void ReadAhead(const std::string& /*style*/,
                           std::span<const PlaylistEntry> /*entries*/) {}
    // Waits while the entry's title is being read ahead, at most `patience`
    // when given; true once it is not.
    virtual bool AwaitReadAhead(const std::string& /*style*/, const PlaylistEntry& /*entry*/,
                                std::optional<std::chrono::microseconds> /*patience*/) {
        return true;
    }
};

} // namespace vantor
