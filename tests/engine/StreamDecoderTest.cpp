// MPEG audio and Ogg Vorbis have decoders of their own, lighter than FFmpeg,
// which takes whatever they decline. Both paths must sound the same to the
// mixer: the rate, the channels, seeking and damaged files.
#include "EngineHarness.h"
#include "support/Id3Writer.h"
#include "support/ToneMeasure.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

namespace vantor::engine::test {
namespace {

using vantor::test::TempDir;
using vantor::test::ToneSpec;
using vantor::test::ZeroCrossingFrequency;

std::string Encode(const TempDir& dir, const std::string& name, ToneSpec spec) {
    spec.amplitude = 0.5;
    const std::string path = dir.File(name);
    std::string error;
    EXPECT_TRUE(vantor::test::EncodeTone(path, spec, &error)) << error;
    return path;
}

ToneSpec Mp3() {
    return ToneSpec{.encoder = "libmp3lame", .container = "mp3"};
}
ToneSpec Ogg() {
    return ToneSpec{.encoder = "libvorbis", .container = "ogg"};
}

TEST(StreamDecoders, MaterialAtOtherRatesKeepsItsPitchAndReportsItsRate) {
    TempDir dir;
    struct Case {
        ToneSpec spec;
        int rate;
    };
    for (auto [spec, rate] :
         {Case{Mp3(), 48000}, Case{Mp3(), 22050}, Case{Ogg(), 48000}, Case{Ogg(), 32000}}) {
        SCOPED_TRACE(spec.container + std::to_string(rate));
        spec.sampleRate = rate;
        PullEngine engine;
        const StreamHandle stream =
            engine.Open(Encode(dir, "rate-" + std::to_string(rate) + "." + spec.container, spec));
        ASSERT_NE(stream, 0);
        EXPECT_NEAR(engine->FSOUND_Stream_GetLengthMs(stream), 1000, 80);
        const std::int32_t channel = engine.Play(stream);
        EXPECT_EQ(engine->FSOUND_GetFrequency(channel), rate);
        const auto out = engine.RenderWhile([&] { return engine->FSOUND_IsPlaying(channel); });
        EXPECT_NEAR(static_cast<double>(AudibleFrames(out)), 44100.0, 3000.0);
        EXPECT_NEAR(ZeroCrossingFrequency(out, kRate, 0), 440.0, 4.0);
    }
}

TEST(StreamDecoders, MonoIsHeardAtFullLevelOnBothSides) {
    TempDir dir;
    for (ToneSpec spec : {Mp3(), Ogg()}) {
        SCOPED_TRACE(spec.container);
        spec.channels = 1;
        PullEngine engine;
        const StreamHandle stream = engine.Open(Encode(dir, "mono." + spec.container, spec));
        ASSERT_NE(stream, 0);
        const auto out = engine.PlayToEnd(stream);
        const double scale = 44100.0 / static_cast<double>(AudibleFrames(out));
        EXPECT_NEAR(ToneLevel(out, kRate, 440.0, 0) * scale, 0.5, 0.08);
        EXPECT_NEAR(ToneLevel(out, kRate, 440.0, 1) * scale, 0.5, 0.08);
    }
}

TEST(StreamDecoders, SeekingLandsWhereAskedAndPlaysTheRest) {
    TempDir dir;
    for (ToneSpec spec : {Mp3(), Ogg(), ToneSpec{.encoder = "mp2", .container = "mp2"}}) {
        SCOPED_TRACE(spec.container);
        spec.seconds = 3.0;
        PullEngine engine;
        const StreamHandle stream = engine.Open(Encode(dir, "seek." + spec.container, spec));
        ASSERT_NE(stream, 0);
        const std::int32_t length = engine->FSOUND_Stream_GetLength(stream);
        const std::int32_t lengthMs = engine->FSOUND_Stream_GetLengthMs(stream);
        ASSERT_TRUE(engine->FSOUND_Stream_SetPosition(stream, length * 2 / 3));
        const std::int32_t target = length * 2 / 3 * lengthMs / length;
        EXPECT_NEAR(engine->FSOUND_Stream_GetTime(stream), target, 2);
        const auto rest = engine.PlayToEnd(stream);
        EXPECT_NEAR(static_cast<double>(AudibleFrames(rest)), (3000 - target) * 44.1, 1000.0);
        // Back to the start after the end: the whole tone again.
        ASSERT_TRUE(engine->FSOUND_Stream_SetPosition(stream, 0));
        const auto again = engine.PlayToEnd(stream);
        EXPECT_NEAR(static_cast<double>(AudibleFrames(again)), 3.0 * 44100.0, 3000.0);
    }
}

TEST(StreamDecoders, WhatTheLightDecodersDeclineStillPlays) {
    TempDir dir;
    ToneSpec surround = Ogg();
    surround.channels = 6;
    ToneSpec opus{.encoder = "libopus", .container = "ogg", .sampleRate = 48000};
    const std::string wav = Encode(dir, "tone.wav", {.encoder = "pcm_s16le", .container = "wav"});
    // A WAV file named as an MP3 plays by what it holds.
    const std::string misnamed = dir.Write("misnamed.mp3", vantor::test::ReadWholeFile(wav));
    for (const std::string& path :
         {Encode(dir, "surround.ogg", surround), Encode(dir, "opus.ogg", opus), misnamed}) {
        SCOPED_TRACE(path);
        PullEngine engine;
        const StreamHandle stream = engine.Open(path);
        ASSERT_NE(stream, 0);
        const auto out = engine.PlayToEnd(stream);
        EXPECT_NEAR(static_cast<double>(AudibleFrames(out)), 44100.0, 3000.0);
        EXPECT_NEAR(ZeroCrossingFrequency(out, kRate, 0), 440.0, 4.0);
    }
}

TEST(StreamDecoders, ATagBeforeSomethingElseIsNotTakenForMpegAudio) {
    TempDir dir;
    vantor::test::Bytes noise = vantor::test::Id3v2Writer(3)
                                    .TextFrame("TIT2", vantor::test::Id3Encoding::Latin1, "Title")
                                    .Build();
    for (std::size_t i = 0; i < 200000; ++i)
        noise.push_back(static_cast<std::uint8_t>(i * 7919 % 251));
    PullEngine engine;
    EXPECT_EQ(engine->FSOUND_Stream_Open(dir.Write("noise.mp3", noise), kStreamModeFile, 0, 0), 0);
    EXPECT_EQ(engine->FSOUND_GetError(), kSoundErrorFileFormat);
}

TEST(StreamDecoders, DamagedFilesPlayWhatTheyHold) {
    TempDir dir;
    for (ToneSpec spec : {Mp3(), Ogg()}) {
        SCOPED_TRACE(spec.container);
        spec.seconds = 6.0;
        std::string whole =
            vantor::test::ReadWholeFile(Encode(dir, "whole." + spec.container, spec));
        // The last tenth cut off, and noise in place of a page in the middle.
        std::string cut = whole.substr(0, whole.size() * 9 / 10);
        for (std::size_t i = whole.size() * 50 / 100; i < whole.size() * 52 / 100; ++i)
            cut[i] = static_cast<char>(i * 7919 % 251);
        PullEngine engine;
        const StreamHandle stream = engine.Open(dir.Write("cut." + spec.container, cut));
        ASSERT_NE(stream, 0);
        const auto out = engine.PlayToEnd(stream);
        EXPECT_GT(static_cast<double>(AudibleFrames(out)), 3.8 * 44100.0);
        EXPECT_LT(static_cast<double>(AudibleFrames(out)), 5.6 * 44100.0);
        // The tone goes on after the damage.
        ASSERT_GT(out.size(), 2u * 4 * kRate);
        const std::vector<float> later(out.begin() + 2 * 3.5 * kRate, out.begin() + 2 * 4 * kRate);
        EXPECT_GT(ToneLevel(later, kRate, 440.0), 0.3);
        EXPECT_TRUE(engine->FSOUND_Stream_Close(stream));
    }
}

TEST(StreamDecoders, AnOggMemberOfAZipPlaysOnlyItsBytes) {
    TempDir dir;
    auto bytesOf = [](const std::string& path) {
        std::string text = vantor::test::ReadWholeFile(path);
        return vantor::test::Bytes(text.begin(), text.end());
    };
    ToneSpec high = Ogg();
    high.frequency = 1000.0;
    auto build = vantor::test::ZipArchive({{"high.ogg", bytesOf(Encode(dir, "high.ogg", high))},
                                           {"song.ogg", bytesOf(Encode(dir, "song.ogg", Ogg()))},
                                           {"tail.ogg", bytesOf(Encode(dir, "tail.ogg", high))}});
    const std::string zip = dir.Write("songs.zip", build.bytes);
    PullEngine engine;
    const StreamHandle stream = engine->FSOUND_Stream_Open(
        zip, kStreamModeFile, static_cast<std::int32_t>(build.dataStarts[1]),
        static_cast<std::int32_t>(build.dataSizes[1]));
    ASSERT_NE(stream, 0) << engine->FSOUND_GetError();
    EXPECT_NEAR(engine->FSOUND_Stream_GetLengthMs(stream), 1000, 80);
    const auto out = engine.PlayToEnd(stream);
    EXPECT_NEAR(static_cast<double>(AudibleFrames(out)), 44100.0, 3000.0);
    EXPECT_GT(ToneLevel(out, kRate, 440.0), 0.3);
    EXPECT_LT(ToneLevel(out, kRate, 1000.0), 0.01);
}

} // namespace
} // namespace vantor::engine::test
