#include "EngineHarness.h"
#include "support/ToneMeasure.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantor::engine::test {
namespace {

using vantor::test::TempDir;
using vantor::test::ZeroCrossingFrequency;

const ToneFile kWav{"pcm_s16le", "wav", ".wav"};
const ToneFile kMp3{"libmp3lame", "mp3", ".mp3"};

TEST(StreamPlayback, EveryFormatDecodesToItsLengthAndTone) {
    TempDir dir;
    for (const ToneFile& format : StreamFormats()) {
        SCOPED_TRACE(format.extension);
        std::string path = WriteToneFile(dir, format, 440.0, 1.0);
        PullEngine engine;
        StreamHandle stream = engine->FSOUND_Stream_Open(path, kStreamModeFile, 0, 0);
        ASSERT_NE(stream, 0) << engine->FSOUND_GetError();
        EXPECT_NEAR(engine->FSOUND_Stream_GetLengthMs(stream), 1000, 80);
        std::int32_t channel = engine.Play(stream);
        EXPECT_EQ(engine->FSOUND_GetFrequency(channel), 44100);
        auto out = engine.RenderWhile([&] { return engine->FSOUND_IsPlaying(channel); });
        EXPECT_NEAR(static_cast<double>(AudibleFrames(out)), 44100.0, 3000.0);
        EXPECT_NEAR(ZeroCrossingFrequency(out, kRate, 0), 440.0, 4.0);
        EXPECT_NEAR(ZeroCrossingFrequency(out, kRate, 1), 440.0, 4.0);
        EXPECT_NEAR(ToneLevel(out, kRate, 440.0) * 44100.0 /
                        static_cast<double>(AudibleFrames(out)),
                    0.5, 0.08);
        EXPECT_GE(engine->FSOUND_Stream_GetTime(stream), engine->FSOUND_Stream_GetLengthMs(stream));
        EXPECT_EQ(engine->FSOUND_Stream_GetPosition(stream),
                  engine->FSOUND_Stream_GetLength(stream));
        EXPECT_TRUE(engine->FSOUND_Stream_Close(stream));
    }
}

TEST(StreamPlayback, OpenFailuresGiveTheirErrorCodes) {
    TempDir dir;
    PullEngine engine;
    EXPECT_EQ(engine->FSOUND_Stream_Open(dir.File("missing.mp3"), kStreamModeFile, 0, 0), 0);
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorFileNotFound);

    std::string text = dir.Write("notes.mp3", "these are not the sounds you are looking for");
    EXPECT_EQ(engine->FSOUND_Stream_Open(text, kStreamModeFile, 0, 0), 0);
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorFileFormat);

    // A WAV header whose data chunk holds nothing: recognised, but nothing decodes.
    std::string wav = WriteToneFile(dir, kWav, 440.0, 0.5);
    std::string whole = vantor::test::ReadWholeFile(wav);
    std::string header = whole.substr(0, whole.find("data") + 8);
    std::string empty = dir.Write("empty.wav", header);
    EXPECT_EQ(engine->FSOUND_Stream_Open(empty, kStreamModeFile, 0, 0), 0);
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorFileBad);

    // A range outside the file cannot be read.
    EXPECT_EQ(engine->FSOUND_Stream_Open(wav, kStreamModeFile, 10000000, 100), 0);
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorFileBad);

    SoundEngine idle(EngineOptions{OutputKind::Pull, "", nullptr});
    EXPECT_EQ(idle.FSOUND_Stream_Open(wav, kStreamModeFile, 0, 0), 0);
    EXPECT_EQ(idle.FSOUND_GetError(), kSoundErrorUninitialized);
}

TEST(StreamPlayback, AZipMemberRangePlaysOnlyItsBytes) {
    TempDir dir;
    auto bytesOf = [](const std::string& path) {
        std::string text = vantor::test::ReadWholeFile(path);
        return vantor::test::Bytes(text.begin(), text.end());
    };
    auto build = vantor::test::ZipArchive(
        {{"high.wav", bytesOf(WriteToneFile(dir, kWav, 1000.0, 1.0, "high"))},
         {"song.mp3", bytesOf(WriteToneFile(dir, kMp3, 440.0, 1.0, "song"))},
         {"tail.wav", bytesOf(WriteToneFile(dir, kWav, 1500.0, 1.0, "tail"))}});
    std::string zip = dir.Write("songs.zip", build.bytes);
    PullEngine engine;
    auto offset = static_cast<std::int32_t>(build.dataStarts[1]);
    auto length = static_cast<std::int32_t>(build.dataSizes[1]);
    StreamHandle stream = engine->FSOUND_Stream_Open(zip, kStreamModeFile, offset, length);
    ASSERT_NE(stream, 0) << engine->FSOUND_GetError();
    EXPECT_EQ(engine->FSOUND_Stream_GetLength(stream), length);
    EXPECT_NEAR(engine->FSOUND_Stream_GetLengthMs(stream), 1000, 80);
    std::int32_t channel = engine.Play(stream);
    auto out = engine.RenderWhile([&] { return engine->FSOUND_IsPlaying(channel); });
    EXPECT_NEAR(static_cast<double>(AudibleFrames(out)), 44100.0, 3000.0);
    EXPECT_GT(ToneLevel(out, kRate, 440.0), 0.3);
    EXPECT_LT(ToneLevel(out, kRate, 1000.0), 0.01);
    EXPECT_LT(ToneLevel(out, kRate, 1500.0), 0.01);
}

TEST(StreamPlayback, TwoStreamsOverlapInTheMix) {
    TempDir dir;
    PullEngine engine;
    StreamHandle low = engine->FSOUND_Stream_Open(WriteToneFile(dir, kWav, 440.0, 1.0, "low"),
                                                  kStreamModeFile, 0, 0);
    StreamHandle high = engine->FSOUND_Stream_Open(WriteToneFile(dir, kMp3, 660.0, 1.0, "high"),
                                                   kStreamModeFile, 0, 0);
    std::int32_t first = engine.Play(low);
    std::int32_t second = engine.Play(high);
    EXPECT_NE(first, second);
    EXPECT_EQ(engine->FSOUND_GetChannelsPlaying(), 2);
    auto out = engine.RenderSeconds(0.5);
    EXPECT_GT(ToneLevel(out, kRate, 440.0), 0.4);
    EXPECT_GT(ToneLevel(out, kRate, 660.0), 0.4);
}

TEST(StreamPlayback, MixLouderThanFullScaleIsClippedAtFullScale) {
    TempDir dir;
    PullEngine engine;
    std::int32_t channel = engine.Play(
        engine->FSOUND_Stream_Open(WriteToneFile(dir, kWav, 440.0, 1.0), kStreamModeFile, 0, 0));
    // The tone at half of full scale, four times as loud.
    EXPECT_TRUE(engine->SetChannelGain(channel, 4.0f));
    engine.Settle();
    auto out = engine.RenderSeconds(0.5);
    const auto [low, high] = std::minmax_element(out.begin(), out.end());
    EXPECT_EQ(*low, -1.0f);
    EXPECT_EQ(*high, 1.0f);
    const auto clipped =
        std::count_if(out.begin(), out.end(), [](float v) { return v == 1.0f || v == -1.0f; });
    // A sine twice as high as the clip level spends two thirds of its time there.
    EXPECT_NEAR(static_cast<double>(clipped) / static_cast<double>(out.size()), 2.0 / 3.0, 0.02);
}

TEST(StreamPlayback, SystemFrequencySpeedsTheWholeOutputUp) {
    TempDir dir;
    PullEngine engine;
    ASSERT_TRUE(engine->FSOUND_SetFrequency(FSOUND_SYSTEMCHANNEL, 66150));
    EXPECT_EQ(engine->FSOUND_GetFrequency(FSOUND_SYSTEMCHANNEL), 66150);
    std::int32_t channel = engine.Play(
        engine->FSOUND_Stream_Open(WriteToneFile(dir, kWav, 440.0, 1.0), kStreamModeFile, 0, 0));
    auto out = engine.RenderWhile([&] { return engine->FSOUND_IsPlaying(channel); });
    EXPECT_NEAR(static_cast<double>(AudibleFrames(out)), 44100.0 / 1.5, 1500.0);
    EXPECT_NEAR(ZeroCrossingFrequency(out, kRate), 660.0, 6.0);
}

TEST(StreamPlayback, ChannelFrequencyVolumeAndPan) {
    TempDir dir;
    PullEngine engine;
    std::string path = WriteToneFile(dir, kWav, 440.0, 2.0);
    std::int32_t channel = engine.Play(engine->FSOUND_Stream_Open(path, kStreamModeFile, 0, 0));
    ASSERT_TRUE(engine->FSOUND_SetFrequency(channel, 88200));
    auto fast = engine.RenderSeconds(0.3);
    EXPECT_NEAR(ZeroCrossingFrequency(fast, kRate), 880.0, 8.0);

    ASSERT_TRUE(engine->FSOUND_SetFrequency(channel, 44100));
    ASSERT_TRUE(engine->FSOUND_SetPan(channel, 0));
    engine.Settle();
    auto left = engine.RenderSeconds(0.2);
    EXPECT_GT(vantor::test::ChannelRms(left, 0), 0.3);
    EXPECT_LT(vantor::test::ChannelRms(left, 1), 0.001);

    ASSERT_TRUE(engine->FSOUND_SetPan(channel, 128));
    ASSERT_TRUE(engine->FSOUND_SetPan(FSOUND_SYSTEMCHANNEL, 255));
    engine.Settle();
    auto balanced = engine.RenderSeconds(0.2);
    EXPECT_LT(vantor::test::ChannelRms(balanced, 0), 0.001);
    EXPECT_GT(vantor::test::ChannelRms(balanced, 1), 0.3);

    ASSERT_TRUE(engine->FSOUND_SetVolume(channel, 0));
    engine.Settle();
    EXPECT_EQ(Peak(engine.RenderSeconds(0.1)), 0.0f);
    EXPECT_FALSE(engine->FSOUND_SetVolume(channel + 1, 100));
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorInvalidParam);
}

TEST(StreamPlayback, SeekPauseAndStop) {
    TempDir dir;
    PullEngine engine;
    StreamHandle stream =
        engine->FSOUND_Stream_Open(WriteToneFile(dir, kWav, 440.0, 2.0), kStreamModeFile, 0, 0);
    std::int32_t length = engine->FSOUND_Stream_GetLength(stream);
    ASSERT_TRUE(engine->FSOUND_Stream_SetPosition(stream, length / 2));
    EXPECT_NEAR(engine->FSOUND_Stream_GetTime(stream), 1000, 30);
    std::int32_t channel = engine.Play(stream);
    engine.RenderSeconds(0.25);
    EXPECT_NEAR(engine->FSOUND_Stream_GetTime(stream), 1250, 40);
    EXPECT_NEAR(engine->FSOUND_Stream_GetPosition(stream), length * 5 / 8, length / 50);

    ASSERT_TRUE(engine->FSOUND_SetPaused(channel, true));
    EXPECT_TRUE(engine->FSOUND_GetPaused(channel));
    engine.Settle();
    std::int32_t pausedAt = engine->FSOUND_Stream_GetTime(stream);
    EXPECT_EQ(Peak(engine.RenderSeconds(0.3)), 0.0f);
    EXPECT_EQ(engine->FSOUND_Stream_GetTime(stream), pausedAt);
    ASSERT_TRUE(engine->FSOUND_SetPaused(channel, false));
    auto rest = engine.RenderWhile([&] { return engine->FSOUND_IsPlaying(channel); });
    EXPECT_NEAR(static_cast<double>(AudibleFrames(rest)), 0.75 * 44100.0, 2100.0);

    // A stopped stream starts again from the beginning.
    ASSERT_TRUE(engine->FSOUND_Stream_Stop(stream));
    EXPECT_FALSE(engine->FSOUND_IsPlaying(channel));
    EXPECT_EQ(engine->FSOUND_Stream_GetTime(stream), 0);
    channel = engine.Play(stream);
    auto again = engine.RenderWhile([&] { return engine->FSOUND_IsPlaying(channel); });
    EXPECT_NEAR(static_cast<double>(AudibleFrames(again)), 2.0 * 44100.0, 2100.0);
    EXPECT_FALSE(engine->FSOUND_Stream_SetPosition(stream, length + 1));
}

} // namespace
} // namespace vantor::engine::test
