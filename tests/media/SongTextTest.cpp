#include "media/SongText.h"
#include "base/ByteReader.h"
#include "media/FileInfoText.h"

#include "MediaTestUtil.h"
#include "support/AsfWriter.h"
#include "support/Id3Writer.h"
#include "support/MpegFrameWriter.h"
#include "support/OggWriter.h"
#include "support/RiffWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using namespace vantor::test;

class SongTextTest : public ::testing::Test {
protected:
    std::string WriteMp3(const std::string& name, const Bytes& tag, std::size_t frames = 100,
                         const MpegFrameSpec& spec = {}) {
        return m_dir.Write(name, Concat({tag, MpegFrames(spec, frames)}));
    }
    Bytes TagWith(std::initializer_list<std::pair<const char*, const char*>> frames) {
        Id3v2Writer tag(3);
        for (const auto& [id, text] : frames)
            tag.TextFrame(id, Id3Encoding::Latin1, text);
        return tag.Build();
    }
    SongText Build(std::string_view songTemplate, const SongTrack& track,
                   SongTextMode mode = SongTextMode::Playlist) {
        return BuildSongText(songTemplate, track, mode, m_context);
    }

    TempDir m_dir;
    SongTextContext m_context;
};

TEST_F(SongTextTest, FallbacksForAFileWithoutTags) {
    const SongTrack track{.Path = WriteMp3("Song.mp3", {})};
    EXPECT_EQ(Build("%2 - %1", track).Text, "Song - No Artist");
    EXPECT_EQ(Build("%3|%4|%5|%7|", track).Text, "No Album|No Comment|Song||");
    EXPECT_EQ(Build("%6", track).Text, track.Path);
}

TEST_F(SongTextTest, RepeatedPlaceholdersAreAllReplaced) {
    const SongTrack track{.Path = WriteMp3("a.mp3", TagWith({{"TPE1", "A"}}))};
    EXPECT_EQ(Build("%1%1", track).Text, "AA");
}

TEST_F(SongTextTest, TemplateWithoutFieldPlaceholdersShowsTheFileName) {
    const SongTrack track{.Path = WriteMp3("My Song.mp3", TagWith({{"TRCK", "4"}}))};
    EXPECT_EQ(Build("%7", track).Text, "My Song");
    EXPECT_EQ(Build("plain text", track).Text, "My Song");
    EXPECT_EQ(Build("%7. %2", track).Text, "04. My Song");
}

// A field that itself holds a placeholder is inserted as it is: expanding it
// again could never end for a text like "50%" before a template's "1".
TEST_F(SongTextTest, ReplacementTextsAreInsertedLiterally) {
    const SongTrack track{.Path =
                              WriteMp3("x.mp3", TagWith({{"TPE1", "%1 and %2"}, {"TIT2", "50%"}}))};
    EXPECT_EQ(Build("%1", track).Text, "%1 and %2");
    EXPECT_EQ(Build("%21", track).Text, "50%1");
}

TEST_F(SongTextTest, AmpersandsAreDoubledOnlyInTheMainWindowLine) {
    const SongTrack one{.Path = WriteMp3("one.mp3", TagWith({{"TIT2", "Rock & Roll"}})),
                        .LengthText = "3:05"};
    EXPECT_EQ(Build("%2", one).Text, "Rock & Roll");
    const SongText line = Build("%2", one, SongTextMode::MainWindow);
    EXPECT_EQ(line.Text, "Rock && Roll (3:05)      ");
    EXPECT_EQ(line.SongTextPlain, "Rock & Roll");
    const SongTrack two{.Path = WriteMp3("two.mp3", TagWith({{"TIT2", "A & B & C&&D"}})),
                        .LengthText = "1:00"};
    EXPECT_EQ(Build("%2", two, SongTextMode::MainWindow).Text, "A && B && C&&&&D (1:00)      ");
}

TEST_F(SongTextTest, MainWindowLineTakesTheLengthFoundByTheInspector) {
    const SongTrack track{.Path = WriteMp3("t.mp3", {}, 1000)};
    const SongText line = Build("%2", track, SongTextMode::MainWindow);
    EXPECT_EQ(line.LengthText, "0:26");
    EXPECT_EQ(line.Text, "t (0:26)      ");
    ASSERT_TRUE(line.Description.PlayTimeMs);
    EXPECT_EQ(line.Description.PlayTimeMs->Rounded(), 26122);
}

TEST_F(SongTextTest, LengthReaderIsAskedWhenNothingElseKnowsTheLength) {
    const SongTrack track{.Path = m_dir.Write("x.ogg", OggVorbisStream({}))};
    EXPECT_EQ(Build("%2", track, SongTextMode::MainWindow).LengthText, "0:00");
    m_context.playLengthMs = [](const SongTrack& t) -> std::optional<Fixed4> {
        if (t.Path.ends_with("x.ogg"))
            return Fixed4::FromInteger(284000);
        return std::nullopt;
    };
    EXPECT_EQ(Build("%2", track, SongTextMode::MainWindow).Text, "x (4:44)      ");
}

TEST_F(SongTextTest, MpegTechnicalTexts) {
    const SongTrack cbr{.Path = WriteMp3("cbr.mp3", {})};
    const SongTechnicalTexts t = Build("%2", cbr, SongTextMode::MainWindow).Description.Technical;
    EXPECT_EQ(t.SongFormatText, "MPEG-1.0 Layer-3");
    EXPECT_EQ(t.SongBitrateText, "128Kbps(CBR)");
    EXPECT_EQ(t.SongSampleRateText, "44KHz");
    EXPECT_EQ(t.SongChannelText, "Stereo");
    EXPECT_EQ(t.SongIsStereo, 1);

    const MpegFrameSpec lsf{
        .version = MpegVersion::Mpeg2, .bitrateKbps = 64, .sampleRate = 22050, .channelMode = 1};
    const std::string vbrPath =
        m_dir.Write("vbr.mp3", Concat({XingFrame(lsf, 100, 20000), MpegFrames(lsf, 3)}));
    const SongTechnicalTexts v = Build("%2", {.Path = vbrPath}).Description.Technical;
    EXPECT_EQ(v.SongSampleRateText, "22KHz");
    EXPECT_EQ(v.SongChannelText, "JointStereo");
    EXPECT_TRUE(v.SongBitrateText.ends_with("Kbps(VBR)"));
}

TEST_F(SongTextTest, WaveOggAndWmaTechnicalTexts) {
    const std::string wav =
        m_dir.Write("p.wav", RiffWave({.channels = 1, .sampleRate = 22050, .data = Bytes(100, 0)}));
    const SongTechnicalTexts p = Build("%2", {.Path = wav}).Description.Technical;
    EXPECT_EQ(p.SongFormatText, "PulseCodeModulation");
    EXPECT_EQ(p.SongBitrateText, "353Kbps");
    EXPECT_EQ(p.SongChannelText, "Monaural");
    EXPECT_EQ(p.SongIsStereo, 0);

    VorbisStreamSpec ogg;
    ogg.comments = {"TITLE=Ogg Title", "ARTIST=Ogg Artist"};
    ogg.upperBitrate = ogg.lowerBitrate = ogg.nominalBitrate = 192000;
    const SongText o = Build("%1 - %2", {.Path = m_dir.Write("o.OGG", OggVorbisStream(ogg))});
    EXPECT_EQ(o.Text, "Ogg Artist - Ogg Title");
    EXPECT_EQ(o.Description.Technical.SongFormatText, "OggVorbis");
    EXPECT_EQ(o.Description.Technical.SongBitrateText, "192Kbps(CBR)");

    AsfSpec asf;
    asf.title = "Wma Title";
    asf.author = "Wma Author";
    const SongText w = Build("%1 - %2", {.Path = m_dir.Write("w.wma", AsfHeader(asf))});
    EXPECT_EQ(w.Text, "Wma Author - Wma Title");
    EXPECT_EQ(w.Description.Technical.SongFormatText, "Windows Media Audio V2");
    EXPECT_EQ(w.Description.Technical.SongBitrateText, "128Kbps");
    EXPECT_EQ(w.Description.Technical.SongChannelText, "Stereo");
}

TEST_F(SongTextTest, FormatNamesOfTypesWithoutReaders) {
    const std::array<std::pair<const char*, const char*>, 7> cases{
        {{"a.mod", "FastTracker"},
         {"a.s3m", "ScreamTracker3"},
         {"a.xm", "FastTracker2"},
         {"a.it", "ImpulseTracker"},
         {"a.mid", "MIDI"},
         {"a.aiff", "AudioInterchangeFileFormat"},
         {"a.AIF", "AudioInterchangeFileFormat"}}};
    for (const auto& [name, format] : cases)
        EXPECT_EQ(
            Build("%2", {.Path = m_dir.Write(name, "x")}).Description.Technical.SongFormatText,
            format);
    const SongTechnicalTexts other =
        Build("%2", {.Path = m_dir.Write("a.mp2", "x")}).Description.Technical;
    EXPECT_EQ(other.SongFormatText, "");
    EXPECT_EQ(other.SongChannelText, "Unknown");
    EXPECT_EQ(other.SongIsStereo, 0);
    const SongTechnicalTexts cd =
        Build("%2", {.Path = "E:", .IsCdTrack = true, .CdDrive = "E:"}).Description.Technical;
    EXPECT_EQ(cd.SongFormatText, "CD Digital Audio");
    EXPECT_EQ(cd.SongBitrateText, "1411Kbps(CBR)");
    EXPECT_EQ(cd.SongIsStereo, 1);
}

TEST_F(SongTextTest, ModuleTitleStandsInForTheTitle) {
    m_context.moduleTitle = [](const std::string& path) {
        return path.ends_with("named.xm") ? "Internal" : "";
    };
    EXPECT_EQ(Build("%2", {.Path = m_dir.Write("named.xm", "x")}).Text, "Internal");
    EXPECT_EQ(Build("%2", {.Path = m_dir.Write("Nameless.xm", "x")}).Text, "Nameless");
}

TEST_F(SongTextTest, ZipMemberUsesItsRangeAndName) {
    const Bytes member = Concat({TagWith({{"TPE1", "Zipped"}}), MpegFrames({}, 50)});
    const std::string archive =
        m_dir.Write("pack.zip", Concat({Bytes(100, 7), member, Bytes(40, 9)}));
    const SongTrack track{.Path = archive,
                          .MemberName = "inner.mp3",
                          .MemberStart = 100,
                          .MemberEnd = static_cast<std::int32_t>(100 + member.size() - 1)};
    const SongText text = Build("%1 - %2 [%5] %6", track);
    EXPECT_EQ(text.Text, "Zipped - inner [pack] inner.mp3");
    EXPECT_EQ(text.Description.Info.Format.FrameCount, Fixed4::FromInteger(50));
    EXPECT_EQ(Build("%7", track).Text, "inner");
}

TEST_F(SongTextTest, ShortNamesAndLengthTexts) {
    EXPECT_EQ(NameWithoutExtension({.Path = "/x/README"}), "README");
    EXPECT_EQ(NameWithoutExtension({.Path = "/x/a.aiff"}), "a");
    EXPECT_EQ(NameWithoutExtension({.Path = "/x/日本語.mp3"}), "日本語");
    const auto lengthText = [this](std::int64_t ms) {
        return ResolveLengthText({.LengthMs = Fixed4::FromInteger(ms)}, {}, m_context);
    };
    EXPECT_EQ(lengthText(185000), "3:05");
    EXPECT_EQ(lengthText(725000), "12:05");
    EXPECT_EQ(lengthText(3600000), "1:00:00");
    EXPECT_EQ(lengthText(0), "0:00");
}

TEST_F(SongTextTest, FileInfoOfAnMpegFile) {
    MpegFrameSpec spec;
    spec.crcProtected = true;
    spec.original = true;
    spec.emphasis = 1;
    const SongTrack track{
        .Path = WriteMp3("info.mp3", TagWith({{"TIT2", "T"}, {"TPE1", "A"}}), 10, spec),
        .LengthText = "0:01"};
    const FileInfoText info = BuildFileInfoText(track, m_context);
    EXPECT_EQ(info.Heading, "T");
    EXPECT_EQ(info.Artist, "A");
    const std::string size = std::to_string(*FileSize(track.Path));
    EXPECT_EQ(info.Text,
              "FileFormat : MPEG-1.0 Layer-3\r\nSampleRate : 44100Hz\r\nBitRate : 128Kbps(CBR)\r\n"
              "Mode : Stereo\r\nPlayTime : 0:01\r\nFileSize : " +
                  size +
                  "Bytes\r\n"
                  "PlaySize : 4170Bytes\r\nFrames : 10\r\nError Protection : On\r\n"
                  "PrivateBit : Off\r\nCopyright : Off\r\nOriginal : On\r\nEmphasis : 50/15ms");
}

TEST_F(SongTextTest, FileInfoOfWaveOggWmaAndOthers) {
    const std::string wav = m_dir.Write("p.wav", RiffWave({.data = Bytes(176400, 0)}));
    EXPECT_EQ(
        BuildFileInfoText({.Path = wav}, m_context).Text,
        "FileFormat : RIFF WAVE(Pulse Code Modulation)\r\nSampleRate : 44100Hz\r\nBitRate : "
        "1411Kbps\r\n"
        "Mode : Stereo\r\nPlayTime : 0:01\r\nFileSize : 176444Bytes\r\nPlaySize : 176400Bytes");

    VorbisStreamSpec ogg;
    ogg.dataPages = {1000};
    const std::string oggPath = m_dir.Write("o.ogg", OggVorbisStream(ogg));
    const std::string oggText =
        BuildFileInfoText(
            {.Path = oggPath, .LengthText = "0:02", .LengthMs = Fixed4::FromInteger(2000)},
            m_context)
            .Text;
    EXPECT_TRUE(oggText.starts_with(
        "FileFormat : Ogg Vorbis\r\nSampleRate : 44100Hz\r\nBitrate : 128Kbps(VBR)\r\n"
        "Channel : 2ch\r\nPlayTime : 0:02\r\n"))
        << oggText;
    EXPECT_NE(oggText.find("Serial : 305419896\r\nVendor : test vendor\r\n"), std::string::npos);
    EXPECT_NE(oggText.find("NominalBitrate : 128000bps"), std::string::npos);
    EXPECT_NE(oggText.find("AverageBitrate : 4200bps"), std::string::npos) << oggText;

    const std::string wma = m_dir.Write("w.wma", AsfHeader({}));
    EXPECT_EQ(BuildFileInfoText({.Path = wma, .LengthText = "0:07"}, m_context).Text,
              "FileFormat : Windows Media Audio V2\r\nSampleRate : 44100Hz\r\nBitRate : 128Kbps\r\n"
              "Mode : Stereo\r\nPlayTime : 0:07\r\nFileSize : " +
                  std::to_string(*FileSize(wma)) + "Bytes");

    m_context.moduleTitle = [](const std::string&) { return "Module Name"; };
    const FileInfoText module = BuildFileInfoText({.Path = m_dir.Write("m.it", "x")}, m_context);
    EXPECT_EQ(module.Heading, "Module Name");
    EXPECT_EQ(module.Text, "Not Supported");
    EXPECT_EQ(BuildFileInfoText({.Path = m_dir.Write("m.txt", "x")}, m_context).Text,
              "Not Supported");

    const FileInfoText cd = BuildFileInfoText(
        {.Path = "E:", .IsCdTrack = true, .CdDrive = "E:", .LengthText = "4:00"}, m_context);
    EXPECT_EQ(cd.Heading, "AudioCD (E:\\)");
    EXPECT_EQ(cd.Artist, "No Artist");
    EXPECT_EQ(cd.Text,
              "FileFormat : CD Digital Audio\r\nSampleRate : 44100Hz\r\nBitRate : 1411Kbps(CBR)\r\n"
              "Mode : Stereo\r\nPlayTime : 4:00");
}

TEST_F(SongTextTest, FileInfoOfAMissingFileIsTheErrorText) {
    EXPECT_EQ(BuildFileInfoText({.Path = m_dir.File("gone.mp3")}, m_context).Text,
              "Errorにより、情報取得に失敗しました。");
}

} // namespace
} // namespace vantor
