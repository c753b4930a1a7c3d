#include "media/AdtsFormat.h"

#include "support/ByteBuilder.h"
#include "support/Id3Writer.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

// One frame: a 7-byte header without checksum, then `length - 7` bytes.
Bytes AdtsFrame(int rateIndex, int channelConfig, std::size_t length) {
    Bytes frame(length, 0x21);
    frame[0] = 0xFF;
    frame[1] = 0xF1;
    frame[2] = static_cast<std::uint8_t>((1 << 6) | (rateIndex << 2) | (channelConfig >> 2));
    frame[3] = static_cast<std::uint8_t>(((channelConfig & 3) << 6) | ((length >> 11) & 3));
    frame[4] = static_cast<std::uint8_t>((length >> 3) & 0xFF);
    frame[5] = static_cast<std::uint8_t>(((length & 7) << 5) | 0x1F);
    frame[6] = 0xFC;
    return frame;
}

Bytes Frames(int rateIndex, int channelConfig, std::size_t length, int count) {
    Bytes all;
    for (int i = 0; i < count; ++i) {
        const Bytes frame = AdtsFrame(rateIndex, channelConfig, length);
        all.insert(all.end(), frame.begin(), frame.end());
    }
    return all;
}

TEST(AdtsFormatTest, TheFirstFramesTellRateChannelsAndBitRate) {
    // 44.1 kHz stereo, 372-byte frames: 372 × 8 × 44100 / 1024 ≈ 128 kbit/s.
    const auto format = ReadAdtsFormat(Frames(4, 2, 372, 10));
    ASSERT_TRUE(format);
    EXPECT_EQ(format->sampleRate, 44100);
    EXPECT_EQ(format->channels, 2);
    EXPECT_EQ(format->bitrateKbps, 128);

    const auto surround = ReadAdtsFormat(Frames(3, 7, 600, 3));
    ASSERT_TRUE(surround);
    EXPECT_EQ(surround->sampleRate, 48000);
    EXPECT_EQ(surround->channels, 8);
}

TEST(AdtsFormatTest, AFrameAfterAnId3TagAndStrayBytesIsFound) {
    Id3v2Writer tag(4);
    tag.TextFrame("TIT2", Id3Encoding::Utf8, "Title").Padding(100);
    const Bytes file = Concat({tag.Build(), Bytes{0x00, 0xFF, 0xF1, 0x00}, Frames(8, 1, 200, 4)});
    const std::uint64_t start = AdtsAudioStart(file);
    EXPECT_EQ(start, tag.Build().size());
    const auto format = ReadAdtsFormat(std::span(file).subspan(start));
    ASSERT_TRUE(format);
    EXPECT_EQ(format->sampleRate, 16000);
    EXPECT_EQ(format->channels, 1);
    EXPECT_EQ(AdtsAudioStart(Frames(8, 1, 200, 1)), 0u);
}

TEST(AdtsFormatTest, WhatOnlyLooksLikeAFrameGivesNoFormat) {
    // Sync bits whose frame is not followed by another where it ends.
    Bytes lone = AdtsFrame(4, 2, 50);
    lone.resize(400, 0x55);
    EXPECT_FALSE(ReadAdtsFormat(lone));
    // A reserved rate, a channel layout left to the stream, nothing at all.
    EXPECT_FALSE(ReadAdtsFormat(Frames(13, 2, 100, 4)));
    EXPECT_FALSE(ReadAdtsFormat(Frames(4, 0, 100, 4)));
    EXPECT_FALSE(ReadAdtsFormat({}));
    // A file of one whole frame counts; one frame cut short does not.
    const Bytes one = Frames(4, 2, 372, 1);
    EXPECT_TRUE(ReadAdtsFormat(one));
    EXPECT_FALSE(ReadAdtsFormat(std::span(one).first(100)));
}

} // namespace
} // namespace vantor::test
