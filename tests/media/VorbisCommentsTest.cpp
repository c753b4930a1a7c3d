#include "media/VorbisComments.h"

#include "MediaTestUtil.h"
#include "support/OggWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantor {
namespace {

using namespace vantor::test;

TEST(VorbisCommentsTest, StreamValuesAndComments) {
    VorbisStreamSpec spec;
    spec.vendor = "Xiph.Org libVorbis I 20200704";
    spec.channels = 1;
    spec.sampleRate = 22050;
    spec.upperBitrate = 160000;
    spec.nominalBitrate = 96000;
    spec.lowerBitrate = 64000;
    spec.comments = {"TITLE=Tïtle",  "ARTIST=Artist", "ALBUM=Album", "DATE=2010",
                     "COMMENT=Nice", "TRACKNUMBER=5", "GENRE=Folk",  "ENCODED_USING=enc"};
    const VorbisInfo v = ReadVorbisComments(OggVorbisStream(spec));
    EXPECT_EQ(v.Vendor, spec.vendor);
    EXPECT_EQ(v.Channels, 1);
    EXPECT_EQ(v.SampleRate, 22050);
    EXPECT_EQ(v.UpperBitrate, 160000);
    EXPECT_EQ(v.NominalBitrate, 96000);
    EXPECT_EQ(v.LowerBitrate, 64000);
    EXPECT_EQ(v.Serial, 0x12345678u);
    EXPECT_EQ(v.Version, 0);
    EXPECT_EQ(v.Title, "Tïtle");
    EXPECT_EQ(v.Artist, "Artist");
    EXPECT_EQ(v.Album, "Album");
    EXPECT_EQ(v.Date, "2010");
    EXPECT_EQ(v.Comment, "Nice");
    EXPECT_EQ(v.TrackNumber, "5");
    EXPECT_EQ(v.Genre, "Folk");
    EXPECT_EQ(v.EncodedUsing, "enc");
    EXPECT_TRUE(IsVariableBitrate(v));
}

TEST(VorbisCommentsTest, KeysIgnoreCaseAndTheLaterCommentWins) {
    VorbisStreamSpec spec;
    spec.comments = {"title=lower", "Album=Mixed", "ARTIST=First", "artist=Second"};
    const VorbisInfo v = ReadVorbisComments(OggVorbisStream(spec));
    EXPECT_EQ(v.Title, "lower");
    EXPECT_EQ(v.Album, "Mixed");
    EXPECT_EQ(v.Artist, "Second");
}

TEST(VorbisCommentsTest, CommentsBeyondTheFirst2048BytesAreNotRead) {
    VorbisStreamSpec spec;
    spec.comments = {"ARTIST=Early", std::string(2100, 'x'), "TITLE=Late"};
    const VorbisInfo v = ReadVorbisComments(OggVorbisStream(spec));
    EXPECT_EQ(v.Artist, "Early");
    EXPECT_EQ(v.Title, "");
}

// A cover picture of a few hundred kilobytes puts the comment header on many
// pages; the loudness values after it are read for playback all the same.
TEST(VorbisCommentsTest, TheWholeCommentHeaderIsReadAcrossItsPages) {
    VorbisStreamSpec spec;
    spec.comments = {"TITLE=Pictured", "METADATA_BLOCK_PICTURE=" + std::string(300000, 'A'),
                     "REPLAYGAIN_TRACK_GAIN=-7.25 dB", "ARTIST=After the picture"};
    spec.dataPages = {3000};
    const Bytes stream = OggVorbisStream(spec);
    const VorbisInfo whole = ReadWholeVorbisComments(stream);
    EXPECT_EQ(whole.SampleRate, 44100);
    EXPECT_EQ(whole.Vendor, spec.vendor);
    EXPECT_EQ(whole.Title, "Pictured");
    EXPECT_EQ(whole.Artist, "After the picture");
    EXPECT_EQ(whole.ReplayGain.trackGainDb, -7.25);
    // What the player shows keeps to the first 2048 bytes.
    const VorbisInfo shown = ReadVorbisComments(stream);
    EXPECT_EQ(shown.Title, "Pictured");
    EXPECT_EQ(shown.Artist, "");

    // A stream cut inside the header gives none of it, and no crash; once
    // the header is whole (the setup header follows it), all of it.
    const std::string setupStart = "\x05vorbis";
    const auto setup =
        std::search(stream.begin(), stream.end(), setupStart.begin(), setupStart.end()) -
        stream.begin();
    for (std::size_t size = 0; size < stream.size(); size += 997) {
        const Bytes cut(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(size));
        const VorbisInfo v = ReadWholeVorbisComments(cut);
        EXPECT_EQ(v.ReplayGain.trackGainDb.has_value(), static_cast<std::ptrdiff_t>(size) >= setup)
            << size;
    }
}

// Pages of another stream multiplexed between the header's pages are not
// part of it.
TEST(VorbisCommentsTest, PagesOfAnotherStreamAreLeftOutOfTheCommentHeader) {
    VorbisStreamSpec spec;
    spec.comments = {"REPLAYGAIN_TRACK_GAIN=-3 dB", "ARTIST=Ours"};
    const Bytes ours = OggVorbisStream(spec);
    VorbisStreamSpec other;
    other.serial = 0x0BADCAFE;
    other.comments = {"ARTIST=Theirs", "REPLAYGAIN_TRACK_GAIN=+9 dB"};
    const Bytes theirs = OggVorbisStream(other);
    // The other stream's identification page, then its comment page, each
    // put before this stream's comment page (which starts at byte 58).
    const Bytes mixed =
        Concat({Bytes(ours.begin(), ours.begin() + 58), Bytes(theirs.begin(), theirs.end()),
                Bytes(ours.begin() + 58, ours.end())});
    const VorbisInfo v = ReadWholeVorbisComments(mixed);
    EXPECT_EQ(v.Artist, "Ours");
    EXPECT_EQ(v.ReplayGain.trackGainDb, -3.0);
}

TEST(VorbisCommentsTest, ACommentCountBeyondTheHeaderEndsTheReadingWithWhatWasRead) {
    VorbisStreamSpec spec;
    spec.comments = {"TITLE=Only one"};
    Bytes stream = OggVorbisStream(spec);
    // The count (after the 7-byte packet type, the vendor length and the
    // vendor) claims a thousand comments.
    const std::size_t count = 58 + 27 + 2 + 7 + 4 + spec.vendor.size();
    ASSERT_EQ(stream[count], 1);
    stream[count] = 0xE8;
    stream[count + 1] = 0x03;
    EXPECT_EQ(ReadWholeVorbisComments(stream).Title, "Only one");
}

TEST(VorbisCommentsTest, InvalidUtf8BecomesReplacementCharacters) {
    VorbisStreamSpec spec;
    spec.comments = {std::string("TITLE=a\xFF"
                                 "b")};
    EXPECT_EQ(ReadVorbisComments(OggVorbisStream(spec)).Title, "a\xEF\xBF\xBD"
                                                               "b");
}

TEST(VorbisCommentsTest, DataLengthSumsThePagesInModeOne) {
    VorbisStreamSpec spec;
    spec.comments = {"TITLE=x"};
    spec.dataPages = {1000, 5000, 17};
    const Bytes stream = OggVorbisStream(spec);
    EXPECT_EQ(ReadVorbisComments(stream).DataLength, 0);
    const VorbisInfo v = ReadVorbisComments(stream, VorbisReadMode::WithDataLength);
    const std::int64_t commentPage = 7 + 4 + 11 + 4 + 4 + 7 + 1 + 7 + 16;
    EXPECT_EQ(v.DataLength, commentPage + 1000 + 5000 + 17);
}

TEST(VorbisCommentsTest, NotOggAndTruncatedStreams) {
    EXPECT_EQ(ReadVorbisComments(BytesOf("RIFF....WAVE")).SampleRate, 0);
    VorbisStreamSpec spec;
    spec.comments = {"TITLE=Cut"};
    const Bytes stream = OggVorbisStream(spec);
    for (std::size_t size = 0; size < stream.size(); ++size) {
        const Bytes cut(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(size));
        const VorbisInfo v = ReadVorbisComments(cut, VorbisReadMode::WithDataLength);
        EXPECT_EQ(v.SampleRate, size >= 56 ? 44100 : 0) << size;
        EXPECT_TRUE(v.Title.empty() || v.Title == "Cut");
    }
}

TEST(VorbisCommentsTest, ReadsAFileFromAnOffset) {
    TempDir dir;
    VorbisStreamSpec spec;
    spec.comments = {"TITLE=In archive"};
    const std::string path = dir.Write("a.zip", Concat({Bytes(77, 1), OggVorbisStream(spec)}));
    EXPECT_EQ(ReadVorbisComments(path, 77).Title, "In archive");
    EXPECT_EQ(ReadVorbisComments(path).Title, "");
    EXPECT_EQ(ReadVorbisComments(dir.File("none.ogg")).Title, "");
}

} // namespace
} // namespace vantor
