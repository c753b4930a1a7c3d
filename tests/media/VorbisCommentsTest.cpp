#include "media/VorbisComments.h"

#include "MediaTestUtil.h"
#include "support/OggWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

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
