#include "playlist/MediaLayerProbe.h"

#include "media/PlayLength.h"
#include "media/SongText.h"

namespace vantor {

SongTrack SongTrackOf(const PlaylistEntry& entry) {
    SongTrack track;
    track.Path = entry.Path;
    track.MemberName = entry.MemberName;
    track.MemberStart = entry.MemberStart;
    track.MemberEnd = entry.MemberEnd;
    track.IsCdTrack = entry.IsCdTrack != kFlagOff;
    track.CdDrive = entry.CdDrive;
    track.CdTrack = entry.CdTrack;
    track.LengthText = entry.LengthText;
    track.LengthMs = entry.LengthMs;
    return track;
}

std::string MediaLayerProbe::BuildSongText(const std::string& style, PlaylistEntry& entry) {
    const auto text =
        vantor::BuildSongText(style, SongTrackOf(entry), SongTextMode::Playlist, m_texts);
    if (text.Description.PlayTimeMs)
        entry.LengthMs = *text.Description.PlayTimeMs;
    return text.Text;
}

FileInfoText MediaLayerProbe::BuildFileInfoText(const PlaylistEntry& entry) {
    const SongTrack track = SongTrackOf(entry);
    FileInfoText info = vantor::BuildFileInfoText(track, m_texts);
    info.Cover = FindCoverArt(track);
    return info;
}

std::optional<Fixed4> MediaLayerProbe::PlayLengthMs(const PlaylistEntry& entry) {
    return vantor::PlayLengthMs(m_sound, SongTrackOf(entry));
}

} // namespace vantor
