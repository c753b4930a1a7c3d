#include "media/Id3Tags.h"
#include "media/TrackFileReader.h"

#include "MediaTestUtil.h"
#include "support/Id3Writer.h"
#include "support/MpegFrameWriter.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using namespace vantor::test;

const std::array<Id3Encoding, 4> kEncodings{Id3Encoding::Latin1, Id3Encoding::Utf16Bom,
                                            Id3Encoding::Utf16Be, Id3Encoding::Utf8};

SongInfo Inspect(const Bytes& file) {
    return InspectBytes(file, 0, kWholeFile);
}

Bytes WithFrames(const Bytes& tag, std::size_t frames = 20) {
    return Concat({tag, MpegFrames({}, frames)});
}

TEST(Id3v2Test, EveryVersionAndEncodingGivesTheTextWithoutItsEncodingByte) {
    for (const int version : {3, 4}) {
        for (const auto encoding : kEncodings) {
            const std::string title =
                encoding == Id3Encoding::Latin1 ? "Plain Title" : "Tïtle 日本";
            Id3v2Writer tag(version);
            tag.TextFrame("TIT2", encoding, title).TextFrame("TPE1", encoding, "Artist");
            const SongInfo song = Inspect(WithFrames(tag.Build()));
            EXPECT_EQ(song.Title, title) << version << " " << int(encoding);
            EXPECT_EQ(song.Artist, "Artist") << version << " " << int(encoding);
        }
    }
}

TEST(Id3v2Test, PictureFramesAreNotedInEveryVersion) {
    const Bytes picture{0x00, 'i', 'm', 'a', 'g', 'e', '/', 'p', 'n', 'g', 0x00, 0x03, 0x00, 0x89};
    for (const int version : {2, 3, 4}) {
        const char* pictureId = version == 2 ? "PIC" : "APIC";
        const char* titleId = version == 2 ? "TT2" : "TIT2";
        Id3v2Writer plain(version);
        plain.TextFrame(titleId, Id3Encoding::Latin1, "Title");
        EXPECT_FALSE(ReadId3v2(WithFrames(plain.Build())).HoldsPicture) << version;
        // A picture after other frames is found all the same.
        Id3v2Writer pictured(version);
        pictured.TextFrame(titleId, Id3Encoding::Latin1, "Title").RawFrame(pictureId, picture);
        const Id3v2Tag tag = ReadId3v2(WithFrames(pictured.Build()));
        EXPECT_TRUE(tag.HoldsPicture) << version;
        EXPECT_EQ(tag.Fields[0], "Title") << version;
    }
    // Only a whole frame identifier counts, and only where the tag is.
    Id3v2Writer lookalike(3);
    lookalike.TextFrame("TIT2", Id3Encoding::Latin1, "APIC");
    EXPECT_FALSE(ReadId3v2(WithFrames(lookalike.Build())).HoldsPicture);
    EXPECT_FALSE(ReadId3v2(MpegFrames({}, 4)).HoldsPicture);
}

TEST(Id3v2Test, Version22FramesInLatin1AndUtf16) {
    for (const auto encoding : {Id3Encoding::Latin1, Id3Encoding::Utf16Bom}) {
        Id3v2Writer tag(2);
        tag.TextFrame("TT2", encoding, "Old Title")
            .TextFrame("TP1", encoding, "Old Artist")
            .TextFrame("TAL", encoding, "Old Album")
            .TextFrame("TRK", encoding, "3")
            .TextFrame("TYE", encoding, "1999")
            .TextFrame("TCO", encoding, "(8)Jazz")
            .CommentFrame("COM", encoding, "eng", "", "Old comment");
        const SongInfo song = Inspect(WithFrames(tag.Build()));
        EXPECT_EQ(song.Title, "Old Title");
        EXPECT_EQ(song.Artist, "Old Artist");
        EXPECT_EQ(song.Album, "Old Album");
        EXPECT_EQ(song.Track, "03");
        EXPECT_EQ(song.Year, "1999");
        EXPECT_EQ(song.Genre, "Jazz");
        EXPECT_EQ(song.Comment, "Old comment");
        EXPECT_EQ(song.Format.FormatName, "MPEG-1.0 Layer-3");
    }
}

TEST(Id3v2Test, LegacyBytesAreDecodedFromTheSystemCodePage) {
    const ScopedCodePage japanese(932);
    Id3v2Writer tag(3);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, "\x93\xfa\x96\x7b"); // 日本 in Shift-JIS
    EXPECT_EQ(Inspect(WithFrames(tag.Build())).Title, "日本");
}

TEST(Id3v2Test, GenreKeepsTheTextAfterTheReference) {
    const std::array<std::pair<const char*, const char*>, 3> cases{
        {{"(17)Rock", "Rock"}, {"Rock", "Rock"}, {"(13)", ""}}};
    for (const auto& [stored, shown] : cases) {
        Id3v2Writer tag(3);
        tag.TextFrame("TCON", Id3Encoding::Latin1, stored);
        EXPECT_EQ(Inspect(WithFrames(tag.Build())).Genre, shown) << stored;
    }
}

TEST(Id3v2Test, TrackKeepsThePartBeforeTheSlashWithTwoDigits) {
    const std::array<std::pair<const char*, const char*>, 4> cases{
        {{"7/12", "07"}, {"12", "12"}, {"Side A", "Side A"}, {"123/200", "123"}}};
    for (const auto& [stored, shown] : cases) {
        Id3v2Writer tag(4);
        tag.TextFrame("TRCK", Id3Encoding::Utf8, stored);
        EXPECT_EQ(Inspect(WithFrames(tag.Build())).Track, shown) << stored;
    }
}

TEST(Id3v2Test, CommentSkipsLanguageAndDescriptionInEveryEncoding) {
    for (const auto encoding : kEncodings) {
        Id3v2Writer tag(3);
        tag.CommentFrame("COMM", encoding, "eng", "short description", "  The comment  ");
        EXPECT_EQ(Inspect(WithFrames(tag.Build())).Comment, "The comment") << int(encoding);
    }
}

TEST(Id3v2Test, UrlFrameSkipsItsDescription) {
    Id3v2Writer tag(3);
    tag.UrlFrame("WXXX", Id3Encoding::Utf16Bom, "home", "http://example.org/");
    const auto bytes = tag.Build();
    EXPECT_EQ(ReadId3v2(bytes).Fields[11], "http://example.org/");
}

TEST(Id3v2Test, EmptyPrimaryFramesFallBackToTheirAlternatives) {
    Id3v2Writer tag(3);
    tag.TextFrame("TOPE", Id3Encoding::Latin1, "Original Artist")
        .TextFrame("TIT1", Id3Encoding::Latin1, "Group")
        .TextFrame("TOAL", Id3Encoding::Latin1, "Original Album")
        .TextFrame("TDRC", Id3Encoding::Latin1, "2001-05-06");
    const SongInfo song = Inspect(WithFrames(tag.Build()));
    EXPECT_EQ(song.Artist, "Original Artist");
    EXPECT_EQ(song.Title, "Group");
    EXPECT_EQ(song.Album, "Original Album");
    EXPECT_EQ(song.Year, "2001-05-06");
}

TEST(Id3v2Test, LaterFrameWithTheSameIdentifierWins) {
    Id3v2Writer tag(3);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, "First")
        .TextFrame("TIT2", Id3Encoding::Latin1, "Second");
    EXPECT_EQ(Inspect(WithFrames(tag.Build())).Title, "Second");
}

// The frame size of version 2.4 is synchsafe: a 200-byte frame is stored as
// 00 00 01 48 and must not be read as 328 bytes, which would misalign every
// frame after it.
TEST(Id3v2Test, Version24FrameOfMoreThan127BytesKeepsTheFollowingFramesAligned) {
    Id3v2Writer tag(4);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, std::string(199, 'x'))
        .TextFrame("TPE1", Id3Encoding::Latin1, "After");
    const Bytes bytes = tag.Build();
    ASSERT_EQ(bytes[16], 0x01);
    ASSERT_EQ(bytes[17], 0x48);
    const SongInfo song = Inspect(WithFrames(bytes));
    EXPECT_EQ(song.Title, std::string(199, 'x'));
    EXPECT_EQ(song.Artist, "After");
}

TEST(Id3v2Test, Version23FrameSizesStayPlain) {
    Id3v2Writer tag(3);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, std::string(299, 'y'))
        .TextFrame("TPE1", Id3Encoding::Latin1, "After");
    const SongInfo song = Inspect(WithFrames(tag.Build()));
    EXPECT_EQ(song.Title.size(), 299u);
    EXPECT_EQ(song.Artist, "After");
}

// The search limit counts from the end of the tag, so a 12000-byte tag (cover
// art) does not hide the stream.
TEST(Id3v2Test, LargeTagStillFindsTheFirstFrame) {
    Id3v2Writer tag(3);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, "Big").Padding(12000);
    const Bytes file = WithFrames(tag.Build(), 10);
    const SongInfo song = Inspect(file);
    EXPECT_EQ(song.Title, "Big");
    EXPECT_EQ(song.Format.FormatName, "MPEG-1.0 Layer-3");
    EXPECT_EQ(song.Format.Bitrate, 128);
    EXPECT_EQ(song.Format.FrameCount, Fixed4::FromInteger(10));
}

TEST(Id3v2Test, LeadingNulBytesAreSkippedAndCountedIntoTheAudioStart) {
    Id3v2Writer tag(3);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, "After NULs");
    const Bytes file = Concat({Bytes(5, 0), tag.Build(), MpegFrames({}, 4)});
    const SongInfo song = Inspect(file);
    EXPECT_EQ(song.Title, "After NULs");
    EXPECT_EQ(song.Format.DataSize, Fixed4::FromInteger(4 * 417));
}

TEST(Id3v2Test, ExtendedHeaderYieldsNoFrames) {
    Id3v2Writer tag(3);
    tag.RawFrame("TIT2", BytesOf(std::string("\0Title", 6))).Flags(0x40);
    Bytes bytes = tag.Build();
    // An extended header right after the tag header: its size field starts with 0.
    const Bytes extended{0, 0, 0, 6, 0, 0, 0, 0, 0, 0};
    bytes.insert(bytes.begin() + 10, extended.begin(), extended.end());
    EXPECT_EQ(ReadId3v2(bytes).Fields[0], "");
}

TEST(Id3v2Test, TagLargerThanTheFileHasNoSizeButItsFramesAreRead) {
    Id3v2Writer tag(3);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, "Liar");
    Bytes bytes = tag.Build();
    bytes[6] = 0x7F; // claims about 256 MB
    const Id3v2Tag read = ReadId3v2(bytes);
    EXPECT_EQ(TagTotalSize(read.Header), 0);
    EXPECT_EQ(read.Fields[0], "Liar");
    // The audio search then starts at the tag itself and still finds the stream.
    const SongInfo song = Inspect(Concat({bytes, MpegFrames({}, 3)}));
    EXPECT_EQ(song.Title, "Liar");
    EXPECT_EQ(song.Format.Layer, 3);
}

TEST(Id3v2Test, FooterFlagAddsTenBytes) {
    Id3v2Header header;
    header.SizeBytes = {0, 0, 1, 0};
    header.FileLength = 1000;
    EXPECT_EQ(TagTotalSize(header), 138);
    header.Flags = 0x10;
    EXPECT_EQ(TagTotalSize(header), 148);
}

TEST(Id3v2Test, TruncatedFrameKeepsTheFramesBeforeIt) {
    Id3v2Writer tag(3);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, "Kept")
        .TextFrame("TPE1", Id3Encoding::Latin1, std::string(500, 'a'));
    Bytes bytes = tag.Build();
    bytes.resize(bytes.size() - 300);
    const Id3v2Tag read = ReadId3v2(bytes);
    EXPECT_EQ(read.Fields[0], "Kept");
    EXPECT_EQ(read.Fields[1], "");
}

TEST(Id3v1Test, FieldsAndTrackOfVersion11) {
    const Bytes file =
        Concat({MpegFrames({}, 5), Id3v1Block({"Title", "Artist", "Album", "1987", "Comment", 7})});
    const SongInfo song = Inspect(file);
    EXPECT_EQ(song.Title, "Title");
    EXPECT_EQ(song.Artist, "Artist");
    EXPECT_EQ(song.Album, "Album");
    EXPECT_EQ(song.Year, "1987");
    EXPECT_EQ(song.Comment, "Comment");
    EXPECT_EQ(song.Track, "07");
    EXPECT_EQ(song.Format.DataSize, Fixed4::FromInteger(5 * 417));
}

TEST(Id3v1Test, TrackZeroAndVersion10Comments) {
    EXPECT_EQ(Inspect(Concat({MpegFrames({}, 2), Id3v1Block({"T", "", "", "", "", 0})})).Track,
              "00");
    const SongInfo v10 = Inspect(
        Concat({MpegFrames({}, 2), Id3v1Block({"T", "", "", "", std::string(30, 'c'), {}})}));
    EXPECT_EQ(v10.Track, "");
    EXPECT_EQ(v10.Comment, std::string(30, 'c'));
    EXPECT_EQ(v10.Artist, "");
}

TEST(Id3v1Test, BlanksAreTrimmed) {
    const SongInfo song =
        Inspect(Concat({MpegFrames({}, 2), Id3v1Block({"  Padded   ", "", "", "", "", {}})}));
    EXPECT_EQ(song.Title, "Padded");
}

TEST(Id3v1Test, NotReadWhenAnId3v2TagIsPresent) {
    Id3v2Writer tag(3);
    tag.TextFrame("TPE1", Id3Encoding::Latin1, "From v2");
    const Bytes file = Concat(
        {tag.Build(), MpegFrames({}, 5), Id3v1Block({"v1 title", "v1 artist", "", "", "", {}})});
    const SongInfo song = Inspect(file);
    EXPECT_EQ(song.Artist, "From v2");
    EXPECT_EQ(song.Title, "");
    EXPECT_EQ(song.Format.DataSize, Fixed4::FromInteger(5 * 417));
}

} // namespace
} // namespace vantor
