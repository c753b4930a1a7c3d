// The MediaProbe of the running player: titles and file information from
// the media layer, play lengths from the sound library.
// Borrows everything it is given; UI thread only.
#pragma once

#include "media/TrackDescription.h"
#include "playlist/MediaProbe.h"
#include "sound/SoundLibrary.h"

namespace vantor {

class MediaLayerProbe : public MediaProbe {
public:
    MediaLayerProbe(SoundLibrary& sound, const SongTextContext& texts)
        : m_sound(sound), m_texts(texts) {}

    std::string BuildSongText(const std::string& style, PlaylistEntry& entry) override;
    FileInfoText BuildFileInfoText(const PlaylistEntry& entry) override;
    std::optional<Fixed4> PlayLengthMs(const PlaylistEntry& entry) override;

private:
    SoundLibrary& m_sound;
    const SongTextContext& m_texts;
};

// The fields of an entry the song texts read.
SongTrack SongTrackOf(const PlaylistEntry& entry);

} // namespace vantor
