// The header of a Windows Media (ASF) file: content description texts,
// extended attributes, stream values and the codec name. Pure function over
// bytes; any thread.
#pragma once

#include "media/ReplayGainTags.h"

#include <cstdint>
#include <span>
#include <string>

namespace vantor {

struct WmaInfo {
    std::string Title;
    std::string Author;
    std::string Album;
    std::string Track;
    std::string Year;
    std::string Genre;
    std::string Description;
    std::uint32_t MaxBitrate = 0;
    std::int32_t Channels = 0;
    std::int32_t SampleRate = 0;
    std::uint32_t AvgBytesPerSec = 0;
    // Used as the format name.
    std::string CodecName;
    ReplayGainTags ReplayGain;
};

// Reads the ASF header at `start` of the file (0 for a whole file). A file
// without an ASF header gives an empty record; a damaged one the fields
// read before the damage.
WmaInfo ReadWmaHeader(const std::string& path, std::int64_t start = 0);
WmaInfo ReadWmaHeader(std::span<const std::uint8_t> bytes);

// "Unknown", "Mono" or "Stereo".
std::string WmaChannelName(std::int32_t channels);

} // namespace vantor
