#include "media/PlayLength.h"

#include "base/Paths.h"

namespace vantor {

namespace {

std::optional<Fixed4> StreamLengthMs(SoundLibrary& sound, const SongTrack& track) {
    // A member's range names its first and last byte; a whole file is
    // offset 0 and length 0.
    const std::int32_t span = track.MemberEnd - track.MemberStart;
    const std::int32_t length = span + (span > 0 ? 1 : 0);
    const StreamHandle stream =
        sound.FSOUND_Stream_Open(track.Path, FSOUND_NORMAL, track.MemberStart, length);
    if (stream == 0)
        return std::nullopt;
    const std::int32_t lengthMs = sound.FSOUND_Stream_GetLengthMs(stream);
    sound.FSOUND_Stream_Close(stream);
    return Fixed4::FromInteger(lengthMs);
}

std::optional<Fixed4> SongLengthMs(SoundLibrary& sound, const SongTrack& track) {
    const SongHandle song = sound.FMUSIC_LoadSong(ShortPath(track.Path));
    if (song == 0)
        return std::nullopt;
    const std::int32_t lengthMs = sound.FMUSIC_GetLengthMs(song);
    sound.FMUSIC_FreeSong(song);
    if (lengthMs <= 0)
        return std::nullopt;
    return Fixed4::FromInteger(lengthMs);
}

} // namespace

std::optional<Fixed4> PlayLengthMs(SoundLibrary& sound, const SongTrack& track) {
    if (const auto length = StreamLengthMs(sound, track))
        return length;
    if (!track.MemberName.empty())
        return std::nullopt;
    return SongLengthMs(sound, track);
}

} // namespace vantor
