#include "media/MpegHeader.h"

#include <array>

namespace vantor {

namespace {

// Columns: MPEG-1 Layer I, MPEG-2/2.5 Layer I, MPEG-1 Layer II, MPEG-2/2.5
// Layer II, MPEG-1 Layer III, MPEG-2/2.5 Layer III.
constexpr std::array<std::array<std::int32_t, 6>, 15> kBitrates{{
    {0, 0, 0, 0, 0, 0},
    {32, 32, 32, 8, 32, 8},
    {64, 48, 48, 16, 40, 16},
    {96, 56, 56, 24, 48, 24},
    {128, 64, 64, 32, 56, 32},
    {160, 80, 80, 40, 64, 40},
    {192, 96, 96, 48, 80, 48},
    {224, 112, 112, 56, 96, 56},
    {256, 128, 128, 64, 112, 64},
    {288, 144, 160, 80, 128, 80},
    {320, 160, 192, 96, 160, 96},
    {352, 176, 224, 112, 192, 112},
    {384, 192, 256, 128, 224, 128},
    {416, 224, 320, 144, 256, 144},
    {448, 256, 384, 160, 320, 160},
}};

constexpr std::array<std::int32_t, 9> kSampleRates{44100, 48000, 32000, 22050, 24000,
                                                   16000, 11025, 12000, 8000};

constexpr std::array<const char*, 4> kChannelModeNames{"Stereo", "JointStereo", "DualChannel",
                                                       "Monaural"};

std::int32_t FrameLengthOf(const FormatInfo& f) {
    switch (f.Layer) {
    case 1:
        return (f.Bitrate * 12000 / f.SampleRate + f.Padding) * 4 - 4;
    case 2:
        return f.Bitrate * 144000 / f.SampleRate + f.Padding - 4;
    case 3:
        return f.Bitrate * 144000 / (f.SampleRate << f.IsLsf) + f.Padding - 4;
    default:
        return 0;
    }
}

} // namespace

bool IsFrameHeader(std::span<const std::uint8_t, 4> h) {
    if (h[0] != 0xFF || h[1] < 0xE0)
        return false;
    if (((h[1] >> 1) & 3) == 0)
        return false;
    if ((h[2] >> 4) == 15)
        return false;
    return ((h[2] >> 2) & 3) != 3;
}

void DecodeFrameHeader(std::span<const std::uint8_t, 4> h, FormatInfo& f) {
    if (h[1] >= 0xF0) {
        f.IsLsf = 1 - ((h[1] >> 3) & 1);
        f.IsMpeg25 = 0;
    } else {
        f.IsLsf = 1;
        f.IsMpeg25 = 1;
    }
    f.Layer = 4 - ((h[1] >> 1) & 3);
    f.CrcProtected = 1 - (h[1] & 1);
    f.BitrateIndex = h[2] >> 4;
    const std::int32_t rateIndex = (h[2] >> 2) & 3;
    f.Padding = (h[2] >> 1) & 1;
    f.PrivateBit = h[2] & 1;
    const std::int32_t tableIndex = f.IsMpeg25 ? 6 + rateIndex : rateIndex + 3 * f.IsLsf;
    f.SampleRate = kSampleRates[static_cast<std::size_t>(tableIndex > 8 ? 8 : tableIndex)];
    f.ChannelMode = h[3] >> 6;
    f.ModeExtension = (h[3] >> 4) & 3;
    f.Copyright = (h[3] >> 3) & 1;
    f.Original = (h[3] >> 2) & 1;
    f.Emphasis = h[3] & 3;
    f.Channels = f.ChannelMode == 3 ? 1 : 2;
    f.Bitrate = BitrateOf(f.BitrateIndex, f.Layer, f.IsLsf);
    f.FrameLength = FrameLengthOf(f);
}

std::int32_t BitrateOf(std::int32_t bitrateIndex, std::int32_t layer, std::int32_t isLsf) {
    if (bitrateIndex < 0 || bitrateIndex >= static_cast<std::int32_t>(kBitrates.size()))
        return 0;
    if (layer < 1 || layer > 3 || isLsf < 0 || isLsf > 1)
        return 0;
    return kBitrates[static_cast<std::size_t>(bitrateIndex)]
                    [static_cast<std::size_t>((layer - 1) * 2 + isLsf)];
}

std::string MpegVersionText(const FormatInfo& format) {
    if (format.IsMpeg25 == 1)
        return "2.5";
    return format.IsLsf == 1 ? "2.0" : "1.0";
}

std::string ChannelModeName(std::int32_t channelMode) {
    if (channelMode < 0 || channelMode > 3)
        return {};
    return kChannelModeNames[static_cast<std::size_t>(channelMode)];
}

std::uint32_t ReadBigEndian32(std::span<const std::uint8_t> b, std::size_t i) {
    if (i > b.size() || b.size() - i < 4)
        return 0;
    return (std::uint32_t{b[i]} << 24) | (std::uint32_t{b[i + 1]} << 16) |
           (std::uint32_t{b[i + 2]} << 8) | b[i + 3];
}

} // namespace vantor
