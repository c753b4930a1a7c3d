#include "media/TrackReplayGain.h"

#include "base/Paths.h"
#include "media/ApeTag.h"
#include "media/FileBytes.h"
#include "media/Id3Tags.h"

namespace vantor {

namespace {

// MPEG audio carries its values in a leading ID3v2 tag or, as MP3 gain
// scanners write them, in a trailing APE tag; the ID3v2 value wins when
// both name one.
ReplayGainTags ReadMpegReplayGain(const std::string& path, std::int64_t start,
                                  std::int64_t length) {
    const FileBytes file(path);
    if (!file.IsOpen() || start < 0 || length <= 0)
        return {};
    const auto range = ClipRange(file.Bytes(), static_cast<std::uint64_t>(start),
                                 static_cast<std::uint64_t>(length));
    ReplayGainTags tags;
    for (const auto& [key, value] : ReadApeTextItems(range))
        TakeReplayGainField(key, value, tags);
    const ReplayGainTags id3 = ReadId3v2(range).ReplayGain;
    for (auto field : {&ReplayGainTags::trackGainDb, &ReplayGainTags::albumGainDb,
                       &ReplayGainTags::trackPeak, &ReplayGainTags::albumPeak}) {
        if (id3.*field)
            tags.*field = id3.*field;
    }
    return tags;
}

} // namespace

ReplayGainTags ReadTrackReplayGain(const SongTrack& track) {
    if (track.IsCdTrack)
        return {};
    const std::string path = ShortPath(track.Path);
    const bool member = !track.MemberName.empty();
    const std::int64_t start = member ? track.MemberStart : 0;
    const std::string extension = TrackExtension(track);
    if (extension == "OGG")
        return ReadWholeVorbisComments(path, start).ReplayGain;
    if (extension == "WMA")
        return ReadWmaHeader(path, start).ReplayGain;
    if (IsTaggedFormatExtension(extension) && !member)
        return ReadTaggedFormat(path, extension).ReplayGain;
    const std::int64_t length =
        member ? std::int64_t{track.MemberEnd} - track.MemberStart + 1 : INT64_MAX;
    return ReadMpegReplayGain(path, start, length);
}

} // namespace vantor
