#include "media/TaggedFormat.h"

#include "media/AdtsFormat.h"
#include "media/FileBytes.h"
#include "media/TagLibLibrary.h"

#include "base/StringUtil.h"

#include <taglib/taglib.h>

#include <array>

namespace vantor {

namespace {

constexpr std::array<std::string_view, 7> kTaggedExtensions{"FLAC", "OPUS", "M4A", "MP4",
                                                            "AAC",  "WV",   "OGA"};

std::string FirstValue(const TagFields& fields, std::string_view key) {
    for (const auto& [name, value] : fields) {
        if (name == key)
            return value;
    }
    return {};
}

void ReadTags(const TagFields& p, TaggedFormatInfo& info) {
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
    for (const auto& [key, value] : p)
        TakeReplayGainField(key, value, info.ReplayGain);
}

// MP4 keeps the loudness values in freeform atoms that TagLib's property map
// leaves out.
void ReadMp4ReplayGain(const TagFields& items, TaggedFormatInfo& info) {
    constexpr std::string_view kFreeformPrefix = "----:com.apple.iTunes:";
    for (const auto& [name, value] : items) {
        if (!StartsWithIgnoreCase(name, kFreeformPrefix))
            continue;
        const std::string_view field = std::string_view(name).substr(kFreeformPrefix.size());
        TakeReplayGainField(field, value, info.ReplayGain);
        if (EqualsIgnoreCase(field, "REPLAYGAIN_TRACK_GAIN"))
            info.TrackGain = value;
        else if (EqualsIgnoreCase(field, "REPLAYGAIN_ALBUM_GAIN"))
            info.AlbumGain = value;
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
    const TagLibApi* taglib = TagLibLibrary();
    TagLibFacts facts;
    if (taglib == nullptr || !taglib->VantorTagLibReadFacts(path.c_str(), &facts))
        return info;
    info.Readable = true;
    ReadTags(facts.Fields, info);
    ReadMp4ReplayGain(facts.Mp4Items, info);
    static_cast<TaggedStream&>(info) = facts.Stream;
    return info;
}

LibraryCredit TagLibCredit() {
    return {"TagLib",
            std::to_string(TAGLIB_MAJOR_VERSION) + "." + std::to_string(TAGLIB_MINOR_VERSION) +
                "." + std::to_string(TAGLIB_PATCH_VERSION),
            "LGPL-2.1 or MPL-1.1"};
}

} // namespace vantor
