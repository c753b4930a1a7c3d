#include "media/ReplayGainTags.h"
#include "media/ApeTag.h"
#include "media/Id3Tags.h"

#include "support/ByteBuilder.h"
#include "support/Id3Writer.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using namespace vantor::test;

TEST(ReplayGainTextTest, GainsAndPeaksAsScannersWriteThemAndNothingElse) {
    EXPECT_EQ(ParseReplayGainDb("-6.00 dB"), -6.0);
    EXPECT_EQ(ParseReplayGainDb(" +3.5dB "), 3.5);
    EXPECT_EQ(ParseReplayGainDb("-4 DB"), -4.0);
    EXPECT_EQ(ParseReplayGainDb("2"), 2.0);
    for (const char* bad : {"", "dB", "loud", "-6.00 dB extra", "--6", "nan", "inf dB", "1e400",
                            "-61 dB", "6,5 dB", "+ 6 dB"})
        EXPECT_FALSE(ParseReplayGainDb(bad).has_value()) << bad;

    EXPECT_EQ(ParseReplayGainPeak("0.988525"), 0.988525);
    EXPECT_EQ(ParseReplayGainPeak("1.2"), 1.2) << "floating-point masters peak beyond full scale";
    for (const char* bad : {"", "0", "-0.5", "0.5 dB", "abc", "1000"})
        EXPECT_FALSE(ParseReplayGainPeak(bad).has_value()) << bad;

    ReplayGainTags tags;
    EXPECT_TRUE(TakeReplayGainField("replaygain_Album_Peak", "0.5", tags));
    EXPECT_FALSE(TakeReplayGainField("REPLAYGAIN_REFERENCE_LOUDNESS", "89 dB", tags));
    EXPECT_EQ(tags.albumPeak, 0.5);
    EXPECT_TRUE(TakeReplayGainField("REPLAYGAIN_ALBUM_PEAK", "bad", tags));
    EXPECT_FALSE(tags.albumPeak.has_value()) << "a later damaged value is no value";
}

Bytes ApeItem(std::string_view key, std::string_view value, std::uint32_t flags = 0) {
    ByteBuilder item;
    item.U32LE(static_cast<std::uint32_t>(value.size())).U32LE(flags).Text(key).U8(0).Text(value);
    return item.Take();
}

Bytes ApeFooter(std::size_t itemBytes, std::uint32_t count) {
    ByteBuilder footer;
    footer.Text("APETAGEX").U32LE(2000).U32LE(static_cast<std::uint32_t>(itemBytes + 32));
    footer.U32LE(count).U32LE(0).Fill(8);
    return footer.Take();
}

TEST(ApeTagTest, TextItemsBeforeAnId3v1BlockAndNoneFromDamage) {
    const Bytes gain = ApeItem("REPLAYGAIN_TRACK_GAIN", "-6.00 dB");
    const Bytes picture = ApeItem("Cover Art (Front)", "\x01\x02", 2);
    const Bytes items = Concat({gain, picture});
    const Bytes audio(100, 0xAA);
    const Bytes id3v1 = Id3v1Block({.title = "Song"});
    const Bytes file = Concat({audio, items, ApeFooter(items.size(), 2), id3v1});
    const auto read = ReadApeTextItems(file);
    ASSERT_EQ(read.size(), 1u) << "binary items are left out";
    EXPECT_EQ(read[0].first, "REPLAYGAIN_TRACK_GAIN");
    EXPECT_EQ(read[0].second, "-6.00 dB");

    // A size beyond the file, a count beyond the items, a cut item.
    EXPECT_TRUE(ReadApeTextItems(Concat({gain, ApeFooter(5000, 1)})).empty());
    EXPECT_EQ(ReadApeTextItems(Concat({audio, gain, ApeFooter(gain.size(), 900)})).size(), 1u);
    const Bytes cut(gain.begin(), gain.end() - 3);
    EXPECT_TRUE(ReadApeTextItems(Concat({audio, cut, ApeFooter(cut.size(), 1)})).empty());
    EXPECT_TRUE(ReadApeTextItems(audio).empty());

    // Whether a tag is there at all, before an ID3v1 block or at the very end.
    EXPECT_TRUE(HoldsApeTag(file));
    EXPECT_TRUE(HoldsApeTag(Concat({audio, items, ApeFooter(items.size(), 2)})));
    EXPECT_FALSE(HoldsApeTag(Concat({audio, id3v1})));
    EXPECT_FALSE(HoldsApeTag(Bytes{}));
}

TEST(Id3v2ReplayGainTest, UserTextFramesInEveryEncodingAndVersion) {
    for (const int version : {2, 3, 4}) {
        for (const auto encoding : {Id3Encoding::Latin1, Id3Encoding::Utf16Bom,
                                    Id3Encoding::Utf16Be, Id3Encoding::Utf8}) {
            ByteBuilder data;
            data.U8(static_cast<std::uint8_t>(encoding));
            data.Append(EncodeId3Text(encoding, "replaygain_track_gain"));
            const bool wide = encoding == Id3Encoding::Utf16Bom || encoding == Id3Encoding::Utf16Be;
            data.Fill(wide ? 2 : 1);
            data.Append(EncodeId3Text(encoding, "-7.25 dB"));
            Id3v2Writer tag(version);
            tag.RawFrame(version == 2 ? "TXX" : "TXXX", data.Get());
            EXPECT_EQ(ReadId3v2(tag.Build()).ReplayGain.trackGainDb, -7.25)
                << version << " " << static_cast<int>(encoding);
        }
    }
}

} // namespace
} // namespace vantor
