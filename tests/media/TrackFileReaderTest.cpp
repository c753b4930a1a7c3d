#include "media/TrackFileReader.h"
#include "media/RiffInfo.h"

#include "MediaTestUtil.h"
#include "support/Id3Writer.h"
#include "support/MpegFrameWriter.h"
#include "support/RiffWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using namespace vantor::test;

SongInfo Inspect(const Bytes& file, InspectOptions options = {}) {
    return InspectBytes(file, 0, kWholeFile, options);
}

Fixed4 PlayTime(double samplesPerFrame, double frames, double sampleRate) {
    return Fixed4::FromDouble(samplesPerFrame * frames * 1000.0 / sampleRate);
}

TEST(InspectMpegTest, ConstantBitRateStreamWithoutXing) {
    const SongInfo song = Inspect(MpegFrames({}, 100));
    const FormatInfo& f = song.Format;
    EXPECT_EQ(f.FormatName, "MPEG-1.0 Layer-3");
    EXPECT_EQ(f.Bitrate, 128);
    EXPECT_EQ(f.SampleRate, 44100);
    EXPECT_EQ(f.FrameLength, 413);
    EXPECT_EQ(f.DataSize, Fixed4::FromInteger(41700));
    EXPECT_EQ(f.FrameCount, Fixed4::FromInteger(100));
    EXPECT_EQ(f.PlayTimeMs, PlayTime(1152, 100, 44100));
    EXPECT_EQ(f.IsVbr, 0);
}

TEST(InspectMpegTest, XingHeaderGivesFramesBytesAndAverageBitRate) {
    const MpegFrameSpec spec;
    const Bytes file = Concat({XingFrame(spec, 500, 300000), MpegFrames(spec, 10)});
    const FormatInfo f = Inspect(file).Format;
    EXPECT_EQ(f.IsVbr, -1);
    EXPECT_EQ(f.FrameCount, Fixed4::FromInteger(500));
    EXPECT_EQ(f.DataSize, Fixed4::FromInteger(300000));
    EXPECT_EQ(f.PlayTimeMs, PlayTime(1152, 500, 44100));
    EXPECT_EQ(f.Bitrate, 2400000 / 13061);
}

TEST(InspectMpegTest, XingOffsetsFollowVersionAndChannels) {
    struct Case {
        MpegFrameSpec spec;
        double samplesPerFrame;
    };
    const std::array<Case, 3> cases{{
        {{.version = MpegVersion::Mpeg1, .bitrateKbps = 128, .sampleRate = 44100, .channelMode = 3},
         1152},
        {{.version = MpegVersion::Mpeg2, .bitrateKbps = 64, .sampleRate = 22050, .channelMode = 1},
         576},
        {{.version = MpegVersion::Mpeg2, .bitrateKbps = 32, .sampleRate = 16000, .channelMode = 3},
         576},
    }};
    for (const auto& c : cases) {
        const Bytes file = Concat({XingFrame(c.spec, 1000, 500000), MpegFrames(c.spec, 5)});
        const FormatInfo f = Inspect(file).Format;
        EXPECT_EQ(f.IsVbr, -1) << c.spec.sampleRate;
        EXPECT_EQ(f.FrameCount, Fixed4::FromInteger(1000));
        EXPECT_EQ(f.PlayTimeMs, PlayTime(c.samplesPerFrame, 1000, c.spec.sampleRate));
    }
}

TEST(InspectMpegTest, Mpeg2Point5AndLayerTwoNames) {
    const MpegFrameSpec mpeg25{
        .version = MpegVersion::Mpeg25, .bitrateKbps = 32, .sampleRate = 11025};
    const FormatInfo f = Inspect(MpegFrames(mpeg25, 20)).Format;
    EXPECT_EQ(f.FormatName, "MPEG-2.5 Layer-3");
    EXPECT_EQ(f.SampleRate, 11025);
    EXPECT_EQ(f.PlayTimeMs, PlayTime(576, 20, 11025));
    EXPECT_EQ(Inspect(MpegFrames({.layer = 2, .bitrateKbps = 192}, 5)).Format.FormatName,
              "MPEG-1.0 Layer-2");
    EXPECT_EQ(Inspect(MpegFrames({.version = MpegVersion::Mpeg2, .sampleRate = 22050}, 5))
                  .Format.FormatName,
              "MPEG-2.0 Layer-3");
}

TEST(InspectMpegTest, NoFrameGivesLayerZeroAndZeroValues) {
    const FormatInfo f = Inspect(Bytes(20000, 0x11)).Format;
    EXPECT_EQ(f.FormatName, "MPEG-1.0 Layer-0");
    EXPECT_EQ(f.SampleRate, 0);
    EXPECT_EQ(f.PlayTimeMs, Fixed4());
    EXPECT_EQ(f.DataSize, Fixed4());
}

TEST(InspectMpegTest, FrameBeyondTheSearchLimitIsNotFound) {
    EXPECT_EQ(Inspect(Concat({Bytes(10240, 0x11), MpegFrames({}, 3)})).Format.Layer, 0);
    EXPECT_EQ(Inspect(Concat({Bytes(10235, 0x11), MpegFrames({}, 3)})).Format.Layer, 3);
}

TEST(InspectMpegTest, AccurateWalkCountsEveryFrameOfAMixedStream) {
    const Bytes file = Concat({MpegFrames({}, 10), MpegFrames({.bitrateKbps = 64}, 40),
                               Id3v1Block({"t", "", "", "", "", {}})});
    const FormatInfo estimate = Inspect(file).Format;
    EXPECT_EQ(estimate.FrameCount, Fixed4::FromInteger((10 * 417 + 40 * 208) / 417));
    const FormatInfo walked = Inspect(file, {.mpegAccurate = true}).Format;
    EXPECT_EQ(walked.FrameCount, Fixed4::FromInteger(50));
    EXPECT_EQ(walked.Bitrate, 64);
    EXPECT_EQ(walked.PlayTimeMs, estimate.PlayTimeMs);
}

TEST(InspectMpegTest, AccurateWalkEndsOnFreeFormatAndGarbage) {
    Bytes freeFormat = MpegFrames({}, 1);
    freeFormat.insert(freeFormat.end(), {0xFF, 0xFB, 0x00, 0x00});
    freeFormat.resize(freeFormat.size() + 600, 0);
    EXPECT_EQ(Inspect(freeFormat, {.mpegAccurate = true}).Format.FrameCount,
              Fixed4::FromInteger(2));
    const Bytes garbage = Concat({MpegFrames({}, 3), Bytes(1000, 0x00)});
    EXPECT_EQ(Inspect(garbage, {.mpegAccurate = true}).Format.FrameCount, Fixed4::FromInteger(4));
}

TEST(InspectRangeTest, MemberRangeIsInspectedOnItsOwn) {
    Id3v2Writer tag(3);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, "Member");
    const Bytes member =
        Concat({tag.Build(), MpegFrames({}, 30), Id3v1Block({"v1", "", "", "", "", {}})});
    const Bytes archive = Concat({Bytes(300, 0x50), member, Bytes(700, 0x60)});
    const SongInfo song = InspectBytes(archive, 300, static_cast<std::int64_t>(member.size()));
    EXPECT_EQ(song.Title, "Member");
    EXPECT_EQ(song.Format.DataSize, Fixed4::FromInteger(30 * 417));
    EXPECT_EQ(song.Format.FrameCount, Fixed4::FromInteger(30));
}

TEST(InspectRangeTest, RangesOutsideTheFileGiveNoFields) {
    const Bytes file = MpegFrames({}, 3);
    EXPECT_EQ(InspectBytes(file, 100000, 50).Format.Layer, 0);
    EXPECT_EQ(InspectBytes(file, -5, 50).Format.FormatName, "");
    EXPECT_EQ(InspectBytes(file, 0, 1'000'000).Format.DataSize, Fixed4::FromInteger(3 * 417));
}

TEST(InspectFileTest, ReadsAFileAndMissingFilesGiveAnEmptyRecord) {
    TempDir dir;
    Id3v2Writer tag(4);
    tag.TextFrame("TIT2", Id3Encoding::Utf8, "On disk");
    const std::string path = dir.Write("song.mp3", Concat({tag.Build(), MpegFrames({}, 8)}));
    const SongInfo song = InspectFile(path);
    EXPECT_EQ(song.Title, "On disk");
    EXPECT_EQ(song.Format.FrameCount, Fixed4::FromInteger(8));
    const SongInfo missing = InspectFile(dir.File("missing.mp3"));
    EXPECT_EQ(missing.Format.FormatName, "");
    EXPECT_EQ(missing.Title, "");
    EXPECT_EQ(InspectFile(dir.Write("empty.mp3", std::string())).Format.FormatName,
              "MPEG-1.0 Layer-0");
}

TEST(InspectFileTest, LargeFilesAndMemberRangesOnDisk) {
    TempDir dir;
    Id3v2Writer tag(3);
    tag.TextFrame("TALB", Id3Encoding::Latin1, "Large");
    const Bytes song = Concat({tag.Build(), MpegFrames({}, 1000)});
    const std::string path = dir.Write("big.zip", Concat({Bytes(1234, 9), song, Bytes(99, 9)}));
    const SongInfo member = InspectFile(path, 1234, static_cast<std::int64_t>(song.size()));
    EXPECT_EQ(member.Album, "Large");
    EXPECT_EQ(member.Format.FrameCount, Fixed4::FromInteger(1000));
    const SongInfo whole = InspectFile(path);
    EXPECT_EQ(whole.Album, "");
    EXPECT_EQ(whole.Format.Layer, 3);
}

TEST(InspectWaveTest, PcmWaveValuesAndInfoTexts) {
    WaveSpec wave;
    wave.data = Bytes(176400, 0);
    wave.trailing = InfoList({{"INAM", "Wave Title"},
                              {"IART", "Wave Artist"},
                              {"IPRD", "Wave Album"},
                              {"ICMT", "Wave Comment"},
                              {"ICRD", "2004"},
                              {"IGNR", "Ambient"}});
    const SongInfo song = Inspect(RiffWave(wave));
    const FormatInfo& f = song.Format;
    EXPECT_EQ(f.FormatName, "RIFF WAVE(Pulse Code Modulation)");
    EXPECT_EQ(f.Bitrate, 1411);
    EXPECT_EQ(f.SampleRate, 44100);
    EXPECT_EQ(f.Channels, 2);
    EXPECT_EQ(f.DataSize, Fixed4::FromInteger(176400));
    EXPECT_EQ(f.PlayTimeMs, Fixed4::FromInteger(1000));
    EXPECT_EQ(song.Title, "Wave Title");
    EXPECT_EQ(song.Artist, "Wave Artist");
    EXPECT_EQ(song.Album, "Wave Album");
    EXPECT_EQ(song.Comment, "Wave Comment");
    EXPECT_EQ(song.Year, "2004");
    EXPECT_EQ(song.Genre, "Ambient");
    EXPECT_EQ(song.Track, "");
}

TEST(InspectWaveTest, SubjectStandsInForAMissingName) {
    WaveSpec wave;
    wave.data = Bytes(100, 0);
    wave.trailing = InfoList({{"ISBJ", "The Subject"}});
    EXPECT_EQ(Inspect(RiffWave(wave)).Title, "The Subject");
}

TEST(InspectWaveTest, Id3ChunkReplacesTheInfoTexts) {
    WaveSpec wave;
    wave.data = Bytes(100, 0);
    wave.trailing =
        Concat({InfoList({{"INAM", "Info Name"}}),
                RiffChunk("IID3", Id3v1Block({"Id3 Title", "Id3 Artist", "", "", "", 4}))});
    const SongInfo song = Inspect(RiffWave(wave));
    EXPECT_EQ(song.Title, "Id3 Title");
    EXPECT_EQ(song.Artist, "Id3 Artist");
    EXPECT_EQ(song.Track, "04");
}

TEST(InspectWaveTest, TagBlockAtTheEndOfAWaveIsNotUsed) {
    WaveSpec wave;
    wave.data = Bytes(1000, 0);
    const Bytes file = Concat({RiffWave(wave), Id3v1Block({"Ignored", "Ignored", "", "", "", {}})});
    const SongInfo song = Inspect(file);
    EXPECT_EQ(song.Title, "");
    EXPECT_EQ(song.Artist, "");
}

TEST(InspectWaveTest, WaveHoldingMp3IsReportedWithMpegValues) {
    WaveSpec wave;
    wave.formatTag = 0x55;
    wave.data = MpegFrames({}, 40);
    const FormatInfo f = Inspect(RiffWave(wave)).Format;
    EXPECT_EQ(f.FormatName, "RIFF WAVE(MP3)");
    EXPECT_EQ(f.Bitrate, 128);
    EXPECT_EQ(f.Layer, 3);
    EXPECT_EQ(f.DataSize, Fixed4::FromInteger(40 * 417));
    EXPECT_EQ(f.FrameCount, Fixed4::FromInteger(40));
}

TEST(InspectWaveTest, WaveWithoutFormatChunkFirstIsReadAsMpeg) {
    Bytes file = RiffWave({.data = MpegFrames({}, 3)});
    std::copy_n("LIST", 4, file.begin() + 12);
    EXPECT_EQ(Inspect(file).Format.FormatName, "MPEG-1.0 Layer-3");
}

TEST(InspectRmp3Test, DataChunkSizeInfoTextsAndMpegValues) {
    const Bytes frames = MpegFrames({}, 25);
    const SongInfo song =
        Inspect(RiffRmp3(frames, InfoList({{"INAM", "Rmp3 Name"}, {"IART", "Rmp3 Artist"}})));
    EXPECT_EQ(song.Format.FormatName, "RIFF RMP3");
    EXPECT_EQ(song.Format.DataSize, Fixed4::FromInteger(25 * 417));
    EXPECT_EQ(song.Format.FrameCount, Fixed4::FromInteger(25));
    EXPECT_EQ(song.Format.Bitrate, 128);
    EXPECT_EQ(song.Title, "Rmp3 Name");
    EXPECT_EQ(song.Artist, "Rmp3 Artist");
}

TEST(RiffInfoTest, LyricsChunkAndShortChunks) {
    const Bytes list = InfoList({{"ILYC", "LYRICSBEGIN la la"}, {"ISFT", "Writer 1.0"}});
    const RiffInfo info = ReadRiffInfo(list, 0, 0);
    EXPECT_EQ(info.Slots[12], "_LYRICSBEGIN la la");
    EXPECT_EQ(info.Slots[9], "Writer 1.0");
    EXPECT_EQ(info.HasId3Chunk, 0);
    // A chunk whose size runs past the end gives the bytes that are there.
    const Bytes cut = BytesOf(std::string("INAM\xFF\x00\x00\x00Half", 12));
    EXPECT_EQ(ReadRiffInfo(cut, 0, 0).Slots[0], "Half");
    // A data size beyond the range leaves nothing to read.
    EXPECT_EQ(ReadRiffInfo(list, 0xFFFFFFFF, 8).Slots[12], "");
}

TEST(InspectDamageTest, TruncatedAndHostileFilesGiveWhatWasRead) {
    WaveSpec wave;
    wave.data = Bytes(500, 0);
    Bytes file = RiffWave(wave);
    for (std::size_t size = 0; size < 64; ++size) {
        const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        const SongInfo song = Inspect(cut);
        EXPECT_EQ(song.Title, "");
    }
    // A data chunk claiming 4 GB.
    file[40] = file[41] = file[42] = file[43] = 0xFF;
    const SongInfo song = Inspect(file);
    EXPECT_EQ(song.Format.DataSize, Fixed4::FromInteger(0xFFFFFFFFll));
    EXPECT_EQ(song.Format.FormatName, "RIFF WAVE(Pulse Code Modulation)");
}

} // namespace
} // namespace vantor
