// MPEG audio frame headers: recognising one, decoding its fields into a
// FormatInfo, and the fixed tables the header refers to. Pure functions over
// constant tables; any thread.
#pragma once

#include "media/SongInfo.h"

#include <cstdint>
#include <span>
#include <string>

namespace vantor {

// True for four bytes that can start an MPEG audio frame. Free format (bit
// rate index 0) is accepted.
bool IsFrameHeader(std::span<const std::uint8_t, 4> header);

// Decodes every header field, the bit rate and the frame length into
// `format`. The bytes are not tested first: a header the accurate frame walk
// reads blindly may be garbage, and then gives a frame length of at most 0.
void DecodeFrameHeader(std::span<const std::uint8_t, 4> header, FormatInfo& format);

// kbit/s for a bit-rate index, layer and low-sampling-frequency flag; 0 for
// any combination outside the table.
std::int32_t BitrateOf(std::int32_t bitrateIndex, std::int32_t layer, std::int32_t isLsf);

// "2.5", "2.0" or "1.0".
std::string MpegVersionText(const FormatInfo& format);

// "Stereo", "JointStereo", "DualChannel" or "Monaural"; empty outside 0..3.
std::string ChannelModeName(std::int32_t channelMode);

// b[i]·2^24 + b[i+1]·2^16 + b[i+2]·2^8 + b[i+3]; 0 when the bytes run out.
std::uint32_t ReadBigEndian32(std::span<const std::uint8_t> bytes, std::size_t index);

} // namespace vantor
