// Tags and stream facts of the formats read through TagLib: FLAC, Opus, FLAC
// or Vorbis in ".oga", MP4 (AAC or ALAC) and WavPack. ADTS AAC carries no
// tags of its own; only its codec name is known here. Returns plain values;
// any thread.
#pragma once

#include "media/ReplayGainTags.h"
#include "media/TaggedStream.h"
#include "sound/LibraryCredit.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

struct TaggedFormatInfo : TaggedStream {
    // False when the file could not be read as its extension says.
    bool Readable = false;
    std::string Title{};
    std::string Artist{};
    std::string Album{};
    std::string Comment{};
    std::string Year{};
    std::string Genre{};
    std::string Track{};
    std::string Encoder{};
    // ReplayGain texts as tagged ("-6.00 dB"); empty when absent.
    std::string TrackGain{};
    std::string AlbumGain{};
    // The same values, and the peaks, as numbers.
    ReplayGainTags ReplayGain{};
};

// Whether the upper-case extension (without its dot) names a format read here.
bool IsTaggedFormatExtension(std::string_view extension);

TaggedFormatInfo ReadTaggedFormat(const std::string& path, std::string_view extension);

// TagLib as the About window credits it, with the version built against.
LibraryCredit TagLibCredit();

} // namespace vantor
