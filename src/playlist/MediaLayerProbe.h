// The MediaProbe of the running player: titles and file information from
// the media layer, play lengths from the sound library.
// Borrows everything it is given; UI thread only (titles are read ahead on
// a thread of its own).
#pragma once

#include "media/TrackDescription.h"
#include "playlist/MediaProbe.h"
#include "playlist/TagReadAhead.h"
#include "sound/SoundLibrary.h"

namespace vantor {

class MediaLayerProbe : public MediaProbe {
public:
    MediaLayerProbe(SoundLibrary& sound, const SongTextContext& texts)
        : m_sound(sound), m_texts(texts) {}

    std::string BuildSongText(const std::string& style, PlaylistEntry& entry) override;
    FileInfoText BuildFileInfoText(const PlaylistEntry& entry) override;
    std::optional<Fixed4> PlayLengthMs(const PlaylistEntry& entry) override;
    void ReadAhead(const std::string& style, std::span<const PlaylistEntry> entries) override;
    bool AwaitReadAhead(const std::string& style, const PlaylistEntry& entry,
                        std::optional<std::chrono::microseconds> patience) override;

private:
    SoundLibrary& m_sound;
    const SongTextContext& m_texts;
    TagReadAhead m_ahead;
};

// The fields of an entry the song texts read.
SongTrack SongTrackOf(const PlaylistEntry& entry);

} // namespace vantor
