#include "playlist/MediaLayerProbe.h"

#include "media/PlayLength.h"
#include "media/SongText.h"

#include <utility>
#include <vector>

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
    if (auto read = m_ahead.Take(style, SongTrackOf(entry))) {
        if (read->lengthMs)
            entry.LengthMs = *read->lengthMs;
        return std::move(read->title);
    }
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

void MediaLayerProbe::ReadAhead(const std::string& style, std::span<const PlaylistEntry> entries) {
    std::vector<SongTrack> tracks;
    tracks.reserve(entries.size());
    for (const PlaylistEntry& entry : entries) {
        if (entry.Title.empty())
            tracks.push_back(SongTrackOf(entry));
    }
    m_ahead.Read(style, std::move(tracks), m_texts.inspect);
}

bool MediaLayerProbe::AwaitReadAhead(const std::string& style, const PlaylistEntry& entry,
                                     std::optional<std::chrono::microseconds> patience) {
    return m_ahead.Await(style, SongTrackOf(entry), patience);
}

} // namespace vantor
