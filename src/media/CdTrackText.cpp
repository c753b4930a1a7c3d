#include "media/CdTrackText.h"

#include "media/Id3Tags.h"

namespace vantor {

namespace {

std::string TagText(SoundLibrary& sound, StreamHandle stream, const std::string& name) {
    std::string value;
    if (!sound.FSOUND_Stream_FindTagField(stream, kTagFieldLibrary, name, value))
        return {};
    return StripNulsRight(std::move(value));
}

} // namespace

CdTrackText StreamCdText(SoundLibrary& sound, StreamHandle stream) {
    return {TagText(sound, stream, "TITLE"), TagText(sound, stream, "ARTIST")};
}

CdTrackText ReadCdTrackText(SoundLibrary& sound, const std::string& drive, std::int32_t index) {
    const StreamHandle stream =
        sound.FSOUND_Stream_Open(drive + std::string(kCdTracksSuffix), 0, 0, 0);
    if (stream == 0)
        return {};
    CdTrackText text;
    if (sound.FSOUND_Stream_SetSubStream(stream, index))
        text = StreamCdText(sound, stream);
    sound.FSOUND_Stream_Close(stream);
    return text;
}

} // namespace vantor
