// What the song texts know of one track: its tag fields and technical data,
// read by the reader its file type calls for, and the main window's short
// technical texts. Returns plain values; UI thread (module titles go through
// the sound library).
#pragma once

#include "base/VbNumber.h"
#include "media/CdTrackText.h"
#include "media/SongInfo.h"
#include "media/TaggedFormat.h"
#include "media/TrackFileReader.h"
#include "media/VorbisComments.h"
#include "media/WmaHeader.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vantor {

// The fields of a playlist entry that the song texts read. The playlist
// fills one from its entry; the texts never see the playlist itself.
struct SongTrack {
    std::string Path{};
    // Non-empty for a member of a ZIP archive; Path then names the archive.
    std::string MemberName{};
    std::int32_t MemberStart = 0;
    std::int32_t MemberEnd = 0;
    bool IsCdTrack = false;
    std::string CdDrive{};
    std::int32_t CdTrack = 0;
    std::string LengthText{};
    Fixed4 LengthMs{};
    bool operator==(const SongTrack&) const = default;
};

// The main window's technical texts; SongIsStereo is -1 until a track is described.
struct SongTechnicalTexts {
    std::string SongFormatText{};
    std::string SongBitrateText{};
    std::string SongSampleRateText{};
    std::string SongChannelText{};
    std::int32_t SongIsStereo = -1;
};

enum class TrackType {
    Mpeg,
    OggVorbis,
    Wma,
    TrackerModule,
    Midi,
    Aiff,
    CdTrack,
    // FLAC, Opus, AAC, ALAC, WavPack: read through TaggedFormat.
    Tagged,
    Other
};

struct SongTextContext {
    InspectOptions inspect;
    // The internal name of a tracker module (ModuleTitle through the sound
    // library); none means modules have no title of their own.
    std::function<std::string(const std::string& path)> moduleTitle;
    // The play time of the track as the sound library measures it, for a
    // track whose length is not known otherwise; none (or no value) gives
    // the length text "0:00".
    std::function<std::optional<Fixed4>(const SongTrack& track)> playLengthMs;
    // The CD-Text of a CD track (drive, track index); none means CD tracks
    // have no names of their own.
    std::function<CdTrackText(const std::string& drive, std::int32_t track)> cdTrackText;
};

struct TrackDescription {
    TrackType Type = TrackType::Other;
    // Filled for the types read by InspectFile, the Ogg Vorbis reader, the
    // WMA reader and TaggedFormat respectively.
    SongInfo Info;
    VorbisInfo Vorbis;
    WmaInfo Wma;
    TaggedFormatInfo Tagged;
    // The tag texts the placeholders show, empty when unknown.
    std::string Artist{};
    std::string Title{};
    std::string Album{};
    std::string Comment{};
    std::string Track{};
    SongTechnicalTexts Technical;
    // The play time InspectFile found; the entry's LengthMs takes it.
    std::optional<Fixed4> PlayTimeMs;
};

// The type of a track by the upper-case extension of its file (or of its
// member name for a ZIP member).
std::string TrackExtension(const SongTrack& track);

TrackDescription DescribeTrack(const SongTrack& track, const SongTextContext& context);

bool IsPcmWave(const SongInfo& info);

// The channel text of a PCM WAVE file or an MPEG stream.
std::string SongChannelText(const SongInfo& info);

} // namespace vantor
