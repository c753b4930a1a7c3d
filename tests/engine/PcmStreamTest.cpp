// Plain PCM WAV and AIFF are read without a decoder: every sample coding, byte
// order and chunk layout those files come in must reach the mixer unchanged.
#include "EngineHarness.h"
#include "support/AiffWriter.h"
#include "support/RiffWriter.h"
#include "support/ToneMeasure.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace vantor::engine::test {
namespace {

using vantor::test::ByteBuilder;
using vantor::test::Bytes;
using vantor::test::TempDir;
using vantor::test::ToneSpec;
using vantor::test::ZeroCrossingFrequency;

TEST(PcmStreams, EveryPlainCodingPlaysAtItsPitchLevelAndLength) {
    TempDir dir;
    struct Case {
        const char* encoder;
        const char* container;
        const char* extension;
        int rate;
        int channels;
    };
    const Case cases[] = {
        {"pcm_u8", "wav", ".wav", 44100, 2},      {"pcm_s16le", "wav", ".wav", 48000, 1},
        {"pcm_s24le", "wav", ".wav", 44100, 2},   {"pcm_s32le", "wav", ".wav", 32000, 2},
        {"pcm_f32le", "wav", ".wav", 44100, 2},   {"pcm_s8", "aiff", ".aiff", 44100, 2},
        {"pcm_s16be", "aiff", ".aiff", 22050, 1}, {"pcm_s24be", "aiff", ".aiff", 44100, 2},
        {"pcm_s16le", "aiff", ".aifc", 44100, 2}, {"pcm_f32be", "aiff", ".aifc", 48000, 2},
    };
    for (const Case& c : cases) {
        const std::string name =
            std::string(c.encoder) + "-" + std::to_string(c.rate) + c.extension;
        SCOPED_TRACE(name);
        ToneSpec spec{.encoder = c.encoder,
                      .container = c.container,
                      .sampleRate = c.rate,
                      .channels = c.channels,
                      .amplitude = 0.5};
        std::string error;
        ASSERT_TRUE(vantor::test::EncodeTone(dir.File(name), spec, &error)) << error;
        PullEngine engine;
        const StreamHandle stream = engine.Open(dir.File(name));
        ASSERT_NE(stream, 0);
        // The encoder fills its last block of 1024 frames.
        EXPECT_NEAR(engine->FSOUND_Stream_GetLengthMs(stream), 1012, 13);
        const std::int32_t channel = engine.Play(stream);
        EXPECT_EQ(engine->FSOUND_GetFrequency(channel), c.rate);
        const auto out = engine.RenderWhile([&] { return engine->FSOUND_IsPlaying(channel); });
        EXPECT_NEAR(static_cast<double>(AudibleFrames(out)), 44650.0, 600.0);
        EXPECT_NEAR(ZeroCrossingFrequency(out, kRate, 0), 440.0, 2.0);
        EXPECT_NEAR(ToneLevel(out, kRate, 440.0, 0), 0.5, 0.03);
        EXPECT_NEAR(ToneLevel(out, kRate, 440.0, 1), 0.5, 0.03);
    }
}

// `frames` stereo frames of 16-bit samples: the left at `left`, the right at
// `right` (both on the ±1 scale).
Bytes Constant16(std::size_t frames, double left, double right, bool bigEndian) {
    ByteBuilder out;
    for (std::size_t i = 0; i < frames; ++i) {
        for (double value : {left, right}) {
            const auto sample =
                static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 32768));
            bigEndian ? out.U16BE(sample) : out.U16LE(sample);
        }
    }
    return out.Take();
}

// The sample the mixer heard in the middle of what played.
std::pair<float, float> MiddleFrame(const std::vector<float>& out) {
    const std::size_t middle = out.size() / 4 * 2;
    return {out[middle], out[middle + 1]};
}

TEST(PcmStreams, ChunksAroundTheSamplesAreStepped) {
    TempDir dir;
    // An odd-sized chunk (padded) before the format, and one after the data.
    const Bytes note = vantor::test::RiffChunk("note", vantor::test::BytesOf("odd"));
    vantor::test::WaveSpec wave;
    wave.data = Constant16(22050, 0.25, -0.5, false);
    Bytes riff = vantor::test::RiffWave(wave);
    riff.insert(riff.begin() + 12, note.begin(), note.end());
    const std::uint32_t riffSize = static_cast<std::uint32_t>(riff.size() - 8);
    for (int i = 0; i < 4; ++i)
        riff[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));

    vantor::test::AiffSpec aiff;
    aiff.dataOffset = 6;
    aiff.data = Constant16(22050, 0.25, -0.5, true);
    aiff.leading = vantor::test::AiffChunk("COMT", vantor::test::BytesOf("x"));

    for (const std::string& path :
         {dir.Write("chunks.wav", riff), dir.Write("offset.aiff", vantor::test::AiffFile(aiff))}) {
        SCOPED_TRACE(path);
        PullEngine engine;
        const StreamHandle stream = engine.Open(path);
        ASSERT_NE(stream, 0);
        EXPECT_EQ(engine->FSOUND_Stream_GetLengthMs(stream), 500);
        const auto out = engine.PlayToEnd(stream);
        const auto [left, right] = MiddleFrame(out);
        EXPECT_FLOAT_EQ(left, 0.25f);
        EXPECT_FLOAT_EQ(right, -0.5f);
    }
}

TEST(PcmStreams, ADataChunkLongerThanTheFileIsCutToWhatIsThere) {
    TempDir dir;
    vantor::test::WaveSpec wave;
    wave.data = Constant16(44100, 0.25, 0.25, false);
    Bytes bytes = vantor::test::RiffWave(wave);
    // Half the samples are gone, and a stray byte of a frame remains.
    bytes.resize(bytes.size() - 44100 * 2 + 1);
    PullEngine engine;
    const StreamHandle stream = engine.Open(dir.Write("cut.wav", bytes));
    ASSERT_NE(stream, 0);
    EXPECT_EQ(engine->FSOUND_Stream_GetLengthMs(stream), 500);
    const auto out = engine.PlayToEnd(stream);
    EXPECT_NEAR(static_cast<double>(AudibleFrames(out)), 22050.0, 2.0);
}

TEST(PcmStreams, NonFiniteFloatSamplesAreSilenced) {
    TempDir dir;
    vantor::test::WaveSpec wave;
    wave.formatTag = 3;
    wave.bitsPerSample = 32;
    ByteBuilder data;
    const float values[] = {0.25f, std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity(), -0.25f};
    for (int i = 0; i < 4410; ++i) {
        for (float value : values)
            data.U32LE(std::bit_cast<std::uint32_t>(value));
    }
    wave.data = data.Take();
    PullEngine engine;
    const StreamHandle stream = engine.Open(dir.Write("float.wav", vantor::test::RiffWave(wave)));
    ASSERT_NE(stream, 0);
    const auto out = engine.PlayToEnd(stream);
    ASSERT_FALSE(out.empty());
    for (float sample : out)
        ASSERT_TRUE(std::isfinite(sample));
    EXPECT_NEAR(Peak(out), 0.25f, 1e-6);
}

TEST(PcmStreams, SeekingIsExactToTheFrame) {
    TempDir dir;
    // Left counts the frames: frame n holds n / 32768.
    ByteBuilder data;
    for (std::uint32_t frame = 0; frame < 8000; ++frame)
        data.U16LE(frame).U16LE(0);
    vantor::test::WaveSpec wave;
    wave.sampleRate = 8000;
    wave.data = data.Take();
    PullEngine engine(8000);
    const StreamHandle stream = engine.Open(dir.Write("ramp.wav", vantor::test::RiffWave(wave)));
    ASSERT_NE(stream, 0);
    const std::int32_t length = engine->FSOUND_Stream_GetLength(stream);
    ASSERT_TRUE(engine->FSOUND_Stream_SetPosition(stream, length * 3 / 4));
    const auto rest = engine.PlayToEnd(stream);
    ASSERT_GE(rest.size(), 2u);
    EXPECT_FLOAT_EQ(rest[0], 6000.0f / 32768.0f);
    EXPECT_EQ(AudibleFrames(rest, 0.0f), 2000u);
}

TEST(PcmStreams, WhatIsNotPlainPcmStillPlays) {
    TempDir dir;
    const ToneSpec adpcm{.encoder = "adpcm_ms", .container = "wav", .amplitude = 0.5};
    std::string error;
    ASSERT_TRUE(vantor::test::EncodeTone(dir.File("adpcm.wav"), adpcm, &error)) << error;
    PullEngine engine;
    const StreamHandle stream = engine.Open(dir.File("adpcm.wav"));
    ASSERT_NE(stream, 0);
    const auto out = engine.PlayToEnd(stream);
    EXPECT_NEAR(ZeroCrossingFrequency(out, kRate, 0), 440.0, 4.0);
}

} // namespace
} // namespace vantor::engine::test
