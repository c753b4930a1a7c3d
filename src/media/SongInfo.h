// The record the file inspector fills for one file or ZIP member: tag texts
// and the technical description of the stream. Plain values, returned by
// value; any thread.
#pragma once

#include "base/VbNumber.h"

#include <array>
#include <cstdint>
#include <string>

namespace vantor {

struct FormatInfo {
    std::int32_t IsLsf = 0;
    std::int32_t IsMpeg25 = 0;
    std::int32_t Layer = 0;
    std::int32_t SampleRate = 0;
    std::int32_t CrcProtected = 0;
    std::int32_t BitrateIndex = 0;
    std::int32_t Padding = 0;
    std::int32_t PrivateBit = 0;
    std::int32_t ChannelMode = 0;
    std::int32_t ModeExtension = 0;
    std::int32_t Copyright = 0;
    std::int32_t Original = 0;
    std::int32_t Emphasis = 0;
    std::int32_t Channels = 0;
    std::int32_t Bitrate = 0;
    std::int32_t FrameLength = 0;
    Fixed4 PlayTimeMs;
    Fixed4 DataSize;
    Fixed4 FrameCount;
    std::int16_t IsVbr = 0;
    std::string FormatName;
};

struct SongInfo {
    std::string Title;
    std::string Artist;
    std::string Album;
    std::string Comment;
    std::string Year;
    std::string Genre;
    std::string Track;
    FormatInfo Format;
};

// The 17 text slots filled from ID3v2 frames or RIFF INFO chunks; the slot
// meanings are those of the ID3v2 table (title, artist, album, track, ...).
inline constexpr std::size_t kTagSlotCount = 17;
using TagTextFields = std::array<std::string, kTagSlotCount>;

// The name of a PCM WAVE file's format, also tested by the song texts.
inline constexpr const char* kPcmWaveFormatName = "RIFF WAVE(Pulse Code Modulation)";

} // namespace vantor
