#include "media/MpegHeader.h"

#include "support/MpegFrameWriter.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::MpegFrameHeader;
using test::MpegFrameSpec;
using test::MpegVersion;

std::array<std::uint8_t, 4> Header(const MpegFrameSpec& spec) {
    const auto bytes = MpegFrameHeader(spec);
    return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

FormatInfo Decode(const MpegFrameSpec& spec) {
    FormatInfo format;
    DecodeFrameHeader(Header(spec), format);
    return format;
}

TEST(IsFrameHeaderTest, AcceptsRealHeadersAndFreeFormat) {
    EXPECT_TRUE(IsFrameHeader(Header({})));
    std::array<std::uint8_t, 4> freeFormat{0xFF, 0xFB, 0x00, 0x00};
    EXPECT_TRUE(IsFrameHeader(freeFormat));
}

TEST(IsFrameHeaderTest, RejectsBadSyncLayerBitrateAndSampleRate) {
    const std::array<std::array<std::uint8_t, 4>, 5> bad{{
        {0xFE, 0xFB, 0x90, 0x00}, // sync byte
        {0xFF, 0xDB, 0x90, 0x00}, // second byte below 0xE0
        {0xFF, 0xF9, 0x90, 0x00}, // layer bits 00
        {0xFF, 0xFB, 0xF0, 0x00}, // bit-rate index 15
        {0xFF, 0xFB, 0x9C, 0x00}, // sample-rate bits 11
    }};
    for (const auto& header : bad)
        EXPECT_FALSE(IsFrameHeader(header)) << int(header[1]) << " " << int(header[2]);
}

TEST(DecodeFrameHeaderTest, Mpeg1Layer3At128KbpsHas413ByteFrameLength) {
    const FormatInfo f = Decode({});
    EXPECT_EQ(f.IsLsf, 0);
    EXPECT_EQ(f.IsMpeg25, 0);
    EXPECT_EQ(f.Layer, 3);
    EXPECT_EQ(f.SampleRate, 44100);
    EXPECT_EQ(f.Bitrate, 128);
    EXPECT_EQ(f.FrameLength, 413);
    EXPECT_EQ(f.Channels, 2);
    EXPECT_EQ(f.CrcProtected, 0);
}

TEST(DecodeFrameHeaderTest, PaddingAndFlagBits) {
    MpegFrameSpec spec;
    spec.padding = true;
    spec.crcProtected = true;
    spec.privateBit = true;
    spec.copyright = true;
    spec.original = true;
    spec.emphasis = 3;
    spec.channelMode = 3;
    const FormatInfo f = Decode(spec);
    EXPECT_EQ(f.FrameLength, 414);
    EXPECT_EQ(f.Padding, 1);
    EXPECT_EQ(f.CrcProtected, 1);
    EXPECT_EQ(f.PrivateBit, 1);
    EXPECT_EQ(f.Copyright, 1);
    EXPECT_EQ(f.Original, 1);
    EXPECT_EQ(f.Emphasis, 3);
    EXPECT_EQ(f.ChannelMode, 3);
    EXPECT_EQ(f.Channels, 1);
}

TEST(DecodeFrameHeaderTest, LowSamplingFrequencyVersions) {
    const FormatInfo mpeg2 =
        Decode({.version = MpegVersion::Mpeg2, .bitrateKbps = 64, .sampleRate = 22050});
    EXPECT_EQ(mpeg2.IsLsf, 1);
    EXPECT_EQ(mpeg2.IsMpeg25, 0);
    EXPECT_EQ(mpeg2.SampleRate, 22050);
    EXPECT_EQ(mpeg2.Bitrate, 64);
    EXPECT_EQ(mpeg2.FrameLength, 64 * 144000 / 44100 - 4);
    EXPECT_EQ(MpegVersionText(mpeg2), "2.0");

    const FormatInfo mpeg25 =
        Decode({.version = MpegVersion::Mpeg25, .bitrateKbps = 32, .sampleRate = 8000});
    EXPECT_EQ(mpeg25.IsLsf, 1);
    EXPECT_EQ(mpeg25.IsMpeg25, 1);
    EXPECT_EQ(mpeg25.SampleRate, 8000);
    EXPECT_EQ(MpegVersionText(mpeg25), "2.5");
}

TEST(DecodeFrameHeaderTest, LayersOneAndTwo) {
    const FormatInfo layer1 = Decode({.layer = 1, .bitrateKbps = 384, .sampleRate = 48000});
    EXPECT_EQ(layer1.Layer, 1);
    EXPECT_EQ(layer1.FrameLength, (384 * 12000 / 48000) * 4 - 4);
    const FormatInfo layer2 = Decode({.layer = 2, .bitrateKbps = 192, .sampleRate = 48000});
    EXPECT_EQ(layer2.Layer, 2);
    EXPECT_EQ(layer2.FrameLength, 192 * 144000 / 48000 - 4);
    EXPECT_EQ(MpegVersionText(layer2), "1.0");
}

TEST(DecodeFrameHeaderTest, GarbageHeadersNeverGiveAPositiveFrameLength) {
    FormatInfo f;
    const std::array<std::uint8_t, 4> noLayer{0x00, 0x00, 0xFC, 0x00};
    DecodeFrameHeader(noLayer, f);
    EXPECT_EQ(f.Layer, 4);
    EXPECT_EQ(f.Bitrate, 0);
    EXPECT_LE(f.FrameLength, 0);
    const std::array<std::uint8_t, 4> badRate{0xFF, 0xFB, 0xF0, 0x00};
    DecodeFrameHeader(badRate, f);
    EXPECT_EQ(f.Bitrate, 0);
    EXPECT_LE(f.FrameLength, 0);
}

TEST(MpegTablesTest, ChannelModeNamesAndBigEndian) {
    EXPECT_EQ(ChannelModeName(0), "Stereo");
    EXPECT_EQ(ChannelModeName(1), "JointStereo");
    EXPECT_EQ(ChannelModeName(2), "DualChannel");
    EXPECT_EQ(ChannelModeName(3), "Monaural");
    const std::array<std::uint8_t, 5> bytes{0x00, 0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(ReadBigEndian32(bytes, 1), 0x12345678u);
    EXPECT_EQ(ReadBigEndian32(bytes, 2), 0u);
}

} // namespace
} // namespace vantor
