#include "playlist/MediaLayerProbe.h"

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
    return vantor::BuildFileInfoText(SongTrackOf(entry), m_texts);
}

std::optional<Fixed4> MediaLayerProbe::StreamLengthMs(const PlaylistEntry& entry) {
    // A member's range names its first and last byte; a whole file is
    // offset 0 and length 0.
    const std::int32_t span = entry.MemberEnd - entry.MemberStart;
    const std::int32_t length = span + (span > 0 ? 1 : 0);
    const auto stream =
        m_sound.FSOUND_Stream_Open(entry.Path, FSOUND_NORMAL, entry.MemberStart, length);
    if (stream == 0)
        return std::nullopt;
    const auto lengthMs = m_sound.FSOUND_Stream_GetLengthMs(stream);
    m_sound.FSOUND_Stream_Close(stream);
    return Fixed4::FromInteger(lengthMs);
}

} // namespace vantor
