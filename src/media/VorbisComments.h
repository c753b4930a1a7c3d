// The identification and comment headers of an Ogg Vorbis file: stream
// values and the comment fields the player shows. Pure function over bytes;
// any thread.
#pragma once

#include "media/ReplayGainTags.h"

#include <cstdint>
#include <span>
#include <string>

namespace vantor {

struct VorbisInfo {
    std::string Vendor;
    std::string Title;
    std::string Artist;
    std::string Album;
    std::string Genre;
    std::string Date;
    std::string Comment;
    std::string TrackNumber;
    std::string EncodedUsing;
    ReplayGainTags ReplayGain;
    std::int32_t Version = 0;
    std::int32_t Channels = 0;
    std::uint32_t Serial = 0;
    std::int32_t SampleRate = 0;
    std::int32_t UpperBitrate = 0;
    std::int32_t NominalBitrate = 0;
    std::int32_t LowerBitrate = 0;
    std::int64_t DataLength = 0;
};

enum class VorbisReadMode {
    Comments = 0,
    // Also walks every following page to sum the data lengths.
    WithDataLength = 1,
};

// Reads the file (or ZIP member) starting at `start`. A file that does not
// start with "OggS" gives an empty record; a damaged one the fields read
// before the damage.
VorbisInfo ReadVorbisComments(const std::string& path, std::int64_t start = 0,
                              VorbisReadMode mode = VorbisReadMode::Comments);
VorbisInfo ReadVorbisComments(std::span<const std::uint8_t> bytes,
                              VorbisReadMode mode = VorbisReadMode::Comments);

// The same values with every comment of the comment header, wherever it
// ends: the header may span many pages when it carries cover pictures, and
// values read for playback (the loudness tags) may follow those.
VorbisInfo ReadWholeVorbisComments(const std::string& path, std::int64_t start = 0);
VorbisInfo ReadWholeVorbisComments(std::span<const std::uint8_t> bytes);

// A stream whose lower and upper bit rates are not both its nominal rate.
bool IsVariableBitrate(const VorbisInfo& info);

} // namespace vantor
