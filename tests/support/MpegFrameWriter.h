// Builds MPEG audio frames (silent payload) of any version, layer, bit rate
// and channel mode, and a first frame carrying a Xing header.
#pragma once

#include "ByteBuilder.h"

namespace vantor::test {

enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

struct MpegFrameSpec {
    MpegVersion version = MpegVersion::Mpeg1;
    int layer = 3;
    int bitrateKbps = 128;
    int sampleRate = 44100;
    // 0 stereo, 1 joint stereo, 2 dual channel, 3 single channel.
    int channelMode = 0;
    bool padding = false;
    bool crcProtected = false;
    bool privateBit = false;
    bool copyright = false;
    bool original = false;
    int emphasis = 0;
};

Bytes MpegFrameHeader(const MpegFrameSpec& spec);
// Bytes of one whole frame, header included.
std::size_t MpegFrameSize(const MpegFrameSpec& spec);
// `count` frames with zero payload.
Bytes MpegFrames(const MpegFrameSpec& spec, std::size_t count);
// One frame holding a Xing header at the offset the stream's version and
// channel count call for, with the frame count and byte count flags set.
Bytes XingFrame(const MpegFrameSpec& spec, std::uint32_t frames, std::uint32_t bytes);

} // namespace vantor::test
