#include "media/TaggedFormat.h"

#include "media/AdtsFormat.h"
#include "media/FileBytes.h"

#include "base/StringUtil.h"

#include <taglib/apefile.h>
#include <taglib/fileref.h>
#include <taglib/flacproperties.h>
#include <taglib/mp4file.h>
#include <taglib/mp4properties.h>
#include <taglib/opusproperties.h>
#include <taglib/taglib.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisproperties.h>
#include <taglib/wavpackproperties.h>

#include <array>

namespace vantor {

namespace {

constexpr std::array<std::string_view, 7> kTaggedExtensions{"FLAC", "OPUS", "M4A", "MP4",
                                                            "AAC",  "WV",   "OGA"};

std::string FirstValue(const TagLib::PropertyMap& properties, const char* key) {
    const auto found = properties.find(key);
    if (found == properties.end() || found->second.isEmpty())
        return {};
    return found->second.front().to8Bit(true);
}

void ReadTags(const TagLib::PropertyMap& p, TaggedFormatInfo& info) {
    info.Title = FirstValue(p, "TITLE");
    info.Artist = FirstValue(p, "ARTIST");
    info.Album = FirstValue(p, "ALBUM");
    // Vorbis comments name it either way.
    info.Comment = FirstValue(p, "COMMENT");
    if (info.Comment.empty())
        info.Comment = FirstValue(p, "DESCRIPTION");
    info.Year = FirstValue(p, "DATE");
    info.Genre = FirstValue(p, "GENRE");
    info.Track = FirstValue(p, "TRACKNUMBER");
    info.Encoder = FirstValue(p, "ENCODER");
    if (info.Encoder.empty())
        info.Encoder = FirstValue(p, "ENCODEDBY");
    info.TrackGain = FirstValue(p, "REPLAYGAIN_TRACK_GAIN");
    info.AlbumGain = FirstValue(p, "REPLAYGAIN_ALBUM_GAIN");
    for (const auto& [key, values] : p) {
        if (!values.isEmpty())
            TakeReplayGainField(key.to8Bit(true), values.front().to8Bit(true), info.ReplayGain);
    }
}

// MP4 keeps the loudness values in freeform atoms that TagLib's property map
// leaves out.
void ReadMp4ReplayGain(const TagLib::MP4::File& file, TaggedFormatInfo& info) {
    constexpr std::string_view kFreeformPrefix = "----:com.apple.iTunes:";
    const TagLib::MP4::Tag* tag = file.tag();
    if (tag == nullptr)
        return;
    for (const auto& [key, item] : tag->itemMap()) {
        const std::string name = key.to8Bit(true);
        const TagLib::StringList values = item.toStringList();
        if (!StartsWithIgnoreCase(name, kFreeformPrefix) || values.isEmpty())
            continue;
        const std::string_view field = std::string_view(name).substr(kFreeformPrefix.size());
        const std::string value = values.front().to8Bit(true);
        TakeReplayGainField(field, value, info.ReplayGain);
        if (EqualsIgnoreCase(field, "REPLAYGAIN_TRACK_GAIN"))
            info.TrackGain = value;
        else if (EqualsIgnoreCase(field, "REPLAYGAIN_ALBUM_GAIN"))
            info.AlbumGain = value;
    }
}

// The codec and sample width, which only each format's own properties know.
void ReadCodec(const TagLib::AudioProperties& audio, TaggedFormatInfo& info) {
    if (const auto* flac = dynamic_cast<const TagLib::FLAC::Properties*>(&audio)) {
        info.Codec = "FLAC";
        info.BitsPerSample = flac->bitsPerSample();
    } else if (const auto* mp4 = dynamic_cast<const TagLib::MP4::Properties*>(&audio)) {
        const bool alac = mp4->codec() == TagLib::MP4::Properties::ALAC;
        info.Codec = alac ? "ALAC" : "AAC";
        info.BitsPerSample = alac ? mp4->bitsPerSample() : 0;
    } else if (const auto* wavPack = dynamic_cast<const TagLib::WavPack::Properties*>(&audio)) {
        info.Codec = "WavPack";
        info.BitsPerSample = wavPack->bitsPerSample();
    } else if (dynamic_cast<const TagLib::Ogg::Opus::Properties*>(&audio) != nullptr) {
        info.Codec = "Opus";
    } else if (dynamic_cast<const TagLib::Vorbis::Properties*>(&audio) != nullptr) {
        info.Codec = "Vorbis";
    }
}

// The format from the first frames; the look-ahead holds at least two of
// the largest.
void ReadAdts(const std::string& path, TaggedFormatInfo& info) {
    constexpr std::uint64_t kLookAhead = 16384;
    const FileBytes file(path);
    if (!file.IsOpen())
        return;
    const auto bytes = file.Bytes();
    const auto format = ReadAdtsFormat(ClipRange(bytes, AdtsAudioStart(bytes), kLookAhead));
    if (!format)
        return;
    info.Readable = true;
    info.SampleRate = format->sampleRate;
    info.Channels = format->channels;
    info.BitrateKbps = format->bitrateKbps;
}

} // namespace

bool IsTaggedFormatExtension(std::string_view extension) {
    for (const auto known : kTaggedExtensions) {
        if (extension == known)
            return true;
    }
    return false;
}

TaggedFormatInfo ReadTaggedFormat(const std::string& path, std::string_view extension) {
    TaggedFormatInfo info;
    if (extension == "AAC") {
        // TagLib has no ADTS reader; the engine measures the length.
        info.Codec = "AAC";
        ReadAdts(path, info);
        return info;
    }
    const TagLib::FileRef file(path.c_str(), true, TagLib::AudioProperties::Average);
    if (file.isNull() || !file.file()->isValid())
        return info;
    info.Readable = true;
    ReadTags(file.file()->properties(), info);
    if (const auto* mp4 = dynamic_cast<const TagLib::MP4::File*>(file.file()))
        ReadMp4ReplayGain(*mp4, info);
    if (const TagLib::AudioProperties* audio = file.audioProperties()) {
        ReadCodec(*audio, info);
        info.SampleRate = audio->sampleRate();
        info.Channels = audio->channels();
        info.BitrateKbps = audio->bitrate();
        info.LengthMs = audio->lengthInMilliseconds();
    }
    return info;
}

LibraryCredit TagLibCredit() {
    return {"TagLib",
            std::to_string(TAGLIB_MAJOR_VERSION) + "." + std::to_string(TAGLIB_MINOR_VERSION) +
                "." + std::to_string(TAGLIB_PATCH_VERSION),
            "LGPL-2.1 or MPL-1.1"};
}

} // namespace vantor
