// vantor-tool info, zip and decode on fixtures: the lines the commands print
// and the sound decode writes.
#include "Commands.h"

#include "effects/EqualizerFile.h"
#include "support/AudioEncoder.h"
#include "support/Id3Writer.h"
#include "support/MpegFrameWriter.h"
#include "support/RiffWriter.h"
#include "support/TempDir.h"
#include "support/ToneMeasure.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <numbers>
#include <sstream>
#include <vector>

namespace vantor {
namespace {

using namespace vantor::test;

struct CommandRun {
    int code = 0;
    std::string out;
    std::string err;
};

CommandRun RunCommand(int (*command)(tool::Args, std::ostream&, std::ostream&),
                      std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = command(args, out, err);
    return {code, out.str(), err.str()};
}

Bytes TaggedSong() {
    Id3v2Writer tag(3);
    tag.TextFrame("TIT2", Id3Encoding::Latin1, "Tool & Title")
        .TextFrame("TPE1", Id3Encoding::Latin1, "Tool Artist");
    return Concat({tag.Build(), MpegFrames({}, 100)});
}

TEST(MediaToolTest, InfoPrintsFieldsTextsAndFileInformation) {
    TempDir dir;
    const std::string path = dir.Write("tool.mp3", TaggedSong());
    const CommandRun run = RunCommand(tool::RunInfo, {path});
    EXPECT_EQ(run.code, 0);
    for (const char* line :
         {"Title = Tool & Title\n", "Artist = Tool Artist\n", "FrameLength = 413\n",
          "FrameCount = 100\n", "PlayTimeMs = 2612.2449\n", "IsVbr = 0\n",
          "FormatName = MPEG-1.0 Layer-3\n",
          "SongInformation = Tool Artist - Tool && Title (0:03)      \n",
          "SongFormatText = MPEG-1.0 Layer-3\n", "SongBitrateText = 128Kbps(CBR)\n",
          "SongSampleRateText = 44KHz\n", "SongChannelText = Stereo\n",
          "FileInfo = Frames : 100\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
}

TEST(MediaToolTest, InfoOfAMemberAndZipListing) {
    TempDir dir;
    const ZipBuild zip = ZipArchive(
        {{"notes.txt", BytesOf("x"), false, false}, {"sub/tool.mp3", TaggedSong(), false, false}});
    const std::string path = dir.Write("pack.zip", zip.bytes);
    const std::string start = std::to_string(zip.dataStarts[1]);
    const std::string end = std::to_string(zip.dataStarts[1] + zip.dataSizes[1] - 1);
    const CommandRun list = RunCommand(tool::RunZip, {path});
    EXPECT_EQ(list.out, "tool.mp3 " + start + " " + end + "\nresult = 1\n");
    const CommandRun member = RunCommand(tool::RunInfo, {path, "--member", start, end});
    EXPECT_NE(member.out.find("Title = Tool & Title\n"), std::string::npos) << member.out;
    EXPECT_NE(member.out.find("DataSize = 41700\n"), std::string::npos) << member.out;
    EXPECT_EQ(RunCommand(tool::RunZip, {dir.Write("plain.mp3", TaggedSong())}).out, "result = 0\n");
}

TEST(MediaToolTest, BadArgumentsGiveUsage) {
    EXPECT_EQ(RunCommand(tool::RunInfo, {}).code, 2);
    EXPECT_EQ(RunCommand(tool::RunInfo, {"a", "--member", "x", "y"}).code, 2);
    EXPECT_EQ(RunCommand(tool::RunZip, {}).code, 2);
}

// One second of a quarter-scale sine in 16-bit stereo.
Bytes ToneWave(double frequency) {
    constexpr int kRate = 44100;
    WaveSpec spec;
    for (int i = 0; i < kRate; ++i) {
        const auto sample = static_cast<std::int16_t>(
            std::lround(8192.0 * std::sin(2.0 * std::numbers::pi * frequency * i / kRate)));
        for (int channel = 0; channel < 2; ++channel) {
            spec.data.push_back(static_cast<std::uint8_t>(sample & 0xff));
            spec.data.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xff));
        }
    }
    return RiffWave(spec);
}

// The data chunk of a 16-bit stereo WAV file as floats, less its first
// `skipSeconds`.
std::vector<float> WaveSamples(const std::string& path, double skipSeconds) {
    const std::string bytes = ReadWholeFile(path);
    const std::size_t data = bytes.find("data");
    if (data == std::string::npos)
        return {};
    std::vector<float> samples;
    const std::size_t skip = 4 * static_cast<std::size_t>(44100 * skipSeconds);
    for (std::size_t at = data + 8 + skip; at + 1 < bytes.size(); at += 2) {
        std::int16_t sample = 0;
        std::memcpy(&sample, bytes.data() + at, sizeof sample);
        samples.push_back(static_cast<float>(sample) / 32768.0f);
    }
    return samples;
}

TEST(MediaToolTest, DecodeThroughAnEqualizerPresetRaisesItsBand) {
    TempDir dir;
    const std::string tone = dir.Write("tone.wav", ToneWave(1000.0));
    EqualizerLevels boost;
    boost.bands[5] = 6.0f; // 1 kHz
    const std::string preset = dir.Write("boost.dvc", WriteEqualizerText(boost));
    const std::string plain = dir.File("plain.wav");
    const std::string boosted = dir.File("boosted.wav");
    ASSERT_EQ(RunCommand(tool::RunDecode, {tone, plain}).code, 0);
    const CommandRun run = RunCommand(tool::RunDecode, {tone, boosted, "--equalizer", preset});
    ASSERT_EQ(run.code, 0) << run.err;

    const std::vector<float> before = WaveSamples(plain, 0.2);
    const std::vector<float> after = WaveSamples(boosted, 0.2);
    ASSERT_GT(before.size(), 44100u);
    for (int channel = 0; channel < 2; ++channel)
        EXPECT_NEAR(20.0 * std::log10(ChannelRms(after, channel) / ChannelRms(before, channel)),
                    6.0, 0.5);

    const std::string damaged =
        dir.Write("damaged.dvc", "<Preamp>\r\n 0 \r\n<Band 1kHz>\r\n loud \r\n");
    const std::string refused = dir.File("refused.wav");
    const CommandRun bad = RunCommand(tool::RunDecode, {tone, refused, "--equalizer", damaged});
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.err.find(damaged + ": "), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("<Band 1kHz>"), std::string::npos) << bad.err;
    EXPECT_FALSE(std::filesystem::exists(refused));
}

// The formats FFmpeg decodes and TagLib reads: info prints their tags and
// facts, and decode renders them at their length and pitch.
TEST(MediaToolTest, InfoAndDecodeHandleFlacOpusM4aAacWavPackAndOga) {
    TempDir dir;
    struct Case {
        std::string file, encoder, container, codec;
        int sampleRate = 44100;
        int bits = 0;
    };
    const std::vector<Case> cases{{"deep.flac", "flac", "flac", "FLAC", 96000, 24},
                                  {"small.opus", "libopus", "ogg", "Opus", 48000},
                                  {"apple.m4a", "alac", "ipod", "ALAC"},
                                  {"plain.aac", "aac", "adts", "AAC"},
                                  {"packed.wv", "wavpack", "wv", "WavPack"},
                                  {"lossless.oga", "flac", "ogg", "FLAC"}};
    for (const auto& c : cases) {
        ToneSpec spec;
        spec.encoder = c.encoder;
        spec.container = c.container;
        spec.sampleRate = c.sampleRate;
        spec.bitsPerSample = c.bits;
        spec.seconds = 1.0;
        spec.frequency = 440.0;
        spec.metadata = {{"title", "Tone " + c.codec}, {"artist", "Ann"}};
        std::string error;
        const std::string path = dir.File(c.file);
        ASSERT_TRUE(EncodeTone(path, spec, &error)) << c.file << ": " << error;

        const CommandRun info = RunCommand(tool::RunInfo, {path});
        EXPECT_EQ(info.code, 0) << c.file;
        std::vector<std::string> lines{"Codec = " + c.codec + "\n",
                                       "SampleRate = " + std::to_string(c.sampleRate) + "\n",
                                       "Channels = 2\n"};
        // A bare ADTS stream carries no tags.
        if (c.container != "adts")
            lines.push_back("SongInformation = Ann - Tone " + c.codec + " (0:01)      \n");
        if (c.bits != 0)
            lines.push_back("BitsPerSample = 24\n");
        for (const auto& line : lines)
            EXPECT_NE(info.out.find(line), std::string::npos) << c.file << ": " << line << info.out;

        const std::string wave = dir.File(c.file + ".wav");
        const CommandRun decode = RunCommand(tool::RunDecode, {path, wave});
        ASSERT_EQ(decode.code, 0) << c.file << ": " << decode.err;
        const auto lengthMs = std::stoi(decode.out.substr(decode.out.find('=') + 1));
        // A bare ADTS stream counts some 45 ms more: the encoder's priming,
        // which nothing in such a stream marks.
        EXPECT_NEAR(lengthMs, 1000, 60) << c.file;
        EXPECT_NEAR(ZeroCrossingFrequency(WaveSamples(wave, 0.2), 44100), 440.0, 5.0) << c.file;
    }
}

} // namespace
} // namespace vantor
