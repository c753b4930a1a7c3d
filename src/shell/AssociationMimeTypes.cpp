#include "shell/AssociationMimeTypes.h"

#include "base/StringUtil.h"
#include "shell/OwnMimeTypesXml.h"

#include <algorithm>
#include <array>

namespace vantor {

namespace {

struct ExtensionTypes {
    std::string_view extension; // lower case
    std::span<const std::string_view> types;
};

// ".mp2" files are "audio/mp2" to shared-mime-info, not "audio/mpeg": giving
// them audio/mpeg would make a tick on ".MP2" take over every MP3 as well.
// ".wma" and ".asf" are kept apart for the same reason.
constexpr std::array<std::string_view, 1> kMod{"audio/x-mod"};
constexpr std::array<std::string_view, 1> kS3m{"audio/x-s3m"};
constexpr std::array<std::string_view, 1> kXm{"audio/x-xm"};
constexpr std::array<std::string_view, 1> kIt{"audio/x-it"};
constexpr std::array<std::string_view, 1> kMidi{"audio/midi"};
constexpr std::array<std::string_view, 1> kSegment{"audio/x-vantor-segment"};
constexpr std::array<std::string_view, 2> kWav{"audio/x-wav", "audio/wav"};
constexpr std::array<std::string_view, 1> kMp2{"audio/mp2"};
constexpr std::array<std::string_view, 1> kMp3{"audio/mpeg"};
constexpr std::array<std::string_view, 2> kOgg{"audio/ogg", "audio/x-vorbis+ogg"};
constexpr std::array<std::string_view, 1> kWma{"audio/x-ms-wma"};
constexpr std::array<std::string_view, 2> kAsf{"application/vnd.ms-asf", "video/x-ms-asf"};
constexpr std::array<std::string_view, 1> kAiff{"audio/x-aiff"};
constexpr std::array<std::string_view, 1> kM3u{"audio/x-mpegurl"};
constexpr std::array<std::string_view, 1> kDvl{"audio/x-vantor-playlist"};

constexpr std::array<ExtensionTypes, 17> kTable{{
    {".mod", kMod},
    {".s3m", kS3m},
    {".xm", kXm},
    {".it", kIt},
    {".mid", kMidi},
    {".rmi", kMidi},
    {".sgt", kSegment},
    {".wav", kWav},
    {".mp2", kMp2},
    {".mp3", kMp3},
    {".ogg", kOgg},
    {".wma", kWma},
    {".asf", kAsf},
    {".aif", kAiff},
    {".aiff", kAiff},
    {".m3u", kM3u},
    {".dvl", kDvl},
}};

} // namespace

std::span<const std::string_view> AssociationMimeTypes(std::string_view extension) {
    const std::string lower = AsciiLower(extension);
    for (const auto& entry : kTable) {
        if (entry.extension == lower)
            return entry.types;
    }
    return {};
}

std::vector<std::string_view> AllAssociationMimeTypes() {
    std::vector<std::string_view> all;
    for (const auto& entry : kTable) {
        for (const auto type : entry.types) {
            if (std::find(all.begin(), all.end(), type) == all.end())
                all.push_back(type);
        }
    }
    return all;
}

std::string_view OwnMimeTypesXml() {
    return kOwnMimeTypesXml;
}

} // namespace vantor
