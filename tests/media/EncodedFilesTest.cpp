// The readers on files made by real encoders (FFmpeg's libmp3lame, mp2,
// libvorbis and wmav2) with the metadata their muxers write.
#include "media/SongText.h"
#include "media/TrackFileReader.h"
#include "media/VorbisComments.h"
#include "media/WmaHeader.h"

#include "support/AudioEncoder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::EncodeTone;
using test::ToneSpec;

class EncodedFilesTest : public ::testing::Test {
protected:
    std::string Encode(const std::string& name, const ToneSpec& spec) {
        const std::string path = m_dir.File(name);
        std::string error;
        EXPECT_TRUE(EncodeTone(path, spec, &error)) << error;
        return path;
    }

    test::TempDir m_dir;
};

const std::map<std::string, std::string> kTags{
    {"title", "Encoded Tïtle"}, {"artist", "Encoded Artist"},
    {"album", "Encoded Album"}, {"track", "7/12"},
    {"genre", "Rock"},          {"date", "2003"}};

TEST_F(EncodedFilesTest, Mp3ConstantBitRateWithId3v23) {
    const std::string path = Encode("cbr.mp3", {.encoder = "libmp3lame",
                                                .container = "mp3",
                                                .seconds = 2.0,
                                                .metadata = kTags,
                                                .id3v2Version = 3});
    const SongInfo song = InspectFile(path);
    EXPECT_EQ(song.Title, "Encoded Tïtle");
    EXPECT_EQ(song.Artist, "Encoded Artist");
    EXPECT_EQ(song.Album, "Encoded Album");
    EXPECT_EQ(song.Track, "07");
    EXPECT_EQ(song.Genre, "Rock");
    const FormatInfo& f = song.Format;
    EXPECT_EQ(f.FormatName, "MPEG-1.0 Layer-3");
    EXPECT_EQ(f.Bitrate, 128);
    EXPECT_EQ(f.SampleRate, 44100);
    EXPECT_EQ(f.IsVbr, 0);
    EXPECT_NEAR(f.PlayTimeMs.ToDouble(), 2000, 120);
}

// Told no bit rate, FFmpeg's muxer writes the "Info" frame that opens a
// constant-rate file at the lowest rate it fits in; the frames after it say
// otherwise. The frame count and size that frame holds give the length.
TEST_F(EncodedFilesTest, Mp3ConstantBitRateTakesItsLengthFromTheInfoFrame) {
    const std::string path = Encode(
        "info.mp3", {.encoder = "libmp3lame", .container = "mp3", .bitrate = 0, .seconds = 3.0});
    for (const bool accurate : {false, true}) {
        const FormatInfo f = InspectFile(path, 0, kWholeFile, {.mpegAccurate = accurate}).Format;
        EXPECT_EQ(f.Bitrate, 128) << accurate;
        EXPECT_EQ(f.IsVbr, 0) << accurate;
        EXPECT_NEAR(f.PlayTimeMs.ToDouble(), 3000, 60) << accurate;
    }
}

TEST_F(EncodedFilesTest, Mp3VariableBitRateHasAXingHeader) {
    const std::string path = Encode("vbr.mp3", {.encoder = "libmp3lame",
                                                .container = "mp3",
                                                .vbrQuality = 4,
                                                .seconds = 3.0,
                                                .metadata = kTags});
    const SongInfo song = InspectFile(path);
    EXPECT_EQ(song.Title, "Encoded Tïtle");
    EXPECT_EQ(song.Format.IsVbr, -1);
    EXPECT_NEAR(song.Format.PlayTimeMs.ToDouble(), 3000, 120);
    EXPECT_GT(song.Format.Bitrate, 8);
    EXPECT_LT(song.Format.Bitrate, 320);
}

TEST_F(EncodedFilesTest, Mpeg2MonoVariableBitRate) {
    const std::string path = Encode("lsf.mp3", {.encoder = "libmp3lame",
                                                .container = "mp3",
                                                .sampleRate = 22050,
                                                .channels = 1,
                                                .vbrQuality = 5,
                                                .seconds = 2.0});
    const SongInfo song = InspectFile(path);
    EXPECT_EQ(song.Format.FormatName, "MPEG-2.0 Layer-3");
    EXPECT_EQ(song.Format.ChannelMode, 3);
    EXPECT_EQ(song.Format.IsVbr, -1);
    EXPECT_NEAR(song.Format.PlayTimeMs.ToDouble(), 2000, 120);
    const SongText text = BuildSongText("%2", {.Path = path}, SongTextMode::Playlist, {});
    EXPECT_EQ(text.Text, "lsf");
    EXPECT_EQ(text.Description.Technical.SongSampleRateText, "22KHz");
    EXPECT_EQ(text.Description.Technical.SongChannelText, "Monaural");
}

TEST_F(EncodedFilesTest, Mp2) {
    const std::string path = Encode("a.mp2", {.encoder = "mp2",
                                              .container = "mp2",
                                              .sampleRate = 48000,
                                              .bitrate = 192000,
                                              .seconds = 1.0});
    const FormatInfo f = InspectFile(path).Format;
    EXPECT_EQ(f.FormatName, "MPEG-1.0 Layer-2");
    EXPECT_EQ(f.Bitrate, 192);
    EXPECT_EQ(f.SampleRate, 48000);
    EXPECT_NEAR(f.PlayTimeMs.ToDouble(), 1000, 60);
}

TEST_F(EncodedFilesTest, OggVorbisTakesKeysOfEitherCase) {
    const std::string path = Encode("a.ogg", {.encoder = "libvorbis",
                                              .container = "ogg",
                                              .channels = 2,
                                              .vbrQuality = 3,
                                              .seconds = 1.0,
                                              .metadata = {{"title", "Encoded Tïtle"},
                                                           {"ARTIST", "Encoded Artist"},
                                                           {"album", "lower"}}});
    const VorbisInfo v = ReadVorbisComments(path, 0, VorbisReadMode::WithDataLength);
    EXPECT_EQ(v.Title, "Encoded Tïtle");
    EXPECT_EQ(v.Artist, "Encoded Artist");
    // The muxer writes keys as given.
    EXPECT_EQ(v.Album, "lower");
    EXPECT_EQ(v.SampleRate, 44100);
    EXPECT_EQ(v.Channels, 2);
    EXPECT_TRUE(v.Vendor.starts_with("Lavf")) << v.Vendor;
    EXPECT_GT(v.DataLength, 1000);
}

TEST_F(EncodedFilesTest, WmaTitleAuthorAndAlbum) {
    const std::string path = Encode("a.wma", {.encoder = "wmav2",
                                              .container = "asf",
                                              .bitrate = 128000,
                                              .seconds = 1.0,
                                              .metadata = kTags});
    const WmaInfo w = ReadWmaHeader(path);
    EXPECT_EQ(w.Title, "Encoded Tïtle");
    EXPECT_EQ(w.Author, "Encoded Artist");
    EXPECT_EQ(w.Album, "Encoded Album");
    EXPECT_EQ(w.SampleRate, 44100);
    EXPECT_EQ(w.Channels, 2);
    EXPECT_EQ(w.AvgBytesPerSec, 16000u);
    const SongText text = BuildSongText("%1 - %2 (%3)", {.Path = path}, SongTextMode::Playlist, {});
    EXPECT_EQ(text.Text, "Encoded Artist - Encoded Tïtle (Encoded Album)");
}

} // namespace
} // namespace vantor
