// Streams whose rate differs from the output's, and channels played off their
// own frequency, are converted with a band-limited filter: a clean tone stays
// clean (no alias or image that one could hear), the passband stays flat,
// frequency changes glide, seeks land on their frame, and a voice at the
// output's rate and frequency passes through untouched.
#include "EngineHarness.h"
#include "support/RiffWriter.h"
#include "support/SpectrumMeasure.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <numbers>

namespace vantor::engine::test {
namespace {

using vantor::test::ByteBuilder;
using vantor::test::Spectrum;
using vantor::test::TempDir;

constexpr double kAmplitude = 0.5;

// A float WAV holding a sine of `hz` at `rate` on every channel: stereo,
// which the mixer converts, or surround, which FFmpeg mixes down and brings
// to the mixer's rate.
enum class Carrier { Stereo, Surround };
std::string WriteSine(const TempDir& dir, int rate, double hz, double seconds = 4.0,
                      Carrier carrier = Carrier::Stereo) {
    const bool stereo = carrier == Carrier::Stereo;
    const std::string name = "sine-" + std::to_string(rate) + "-" +
                             std::to_string(static_cast<int>(hz)) + (stereo ? ".wav" : "-6.wav");
    vantor::test::ToneSpec spec{.encoder = "pcm_f32le",
                                .container = "wav",
                                .sampleRate = rate,
                                .channels = stereo ? 2 : 6,
                                .seconds = seconds,
                                .frequency = hz,
                                // Mixed down, six channels add up.
                                .amplitude = stereo ? kAmplitude : kAmplitude / 4.0};
    std::string error;
    EXPECT_TRUE(vantor::test::EncodeTone(dir.File(name), spec, &error)) << error;
    return dir.File(name);
}

// Plays `path` into a mixer at `outputRate` with the channel at `frequency`
// (0: the file's own) and returns two seconds of what is heard.
std::vector<float> Render(const std::string& path, int outputRate, std::int32_t frequency = 0) {
    PullEngine engine(outputRate);
    const std::int32_t channel = engine.Play(engine.Open(path));
    if (frequency != 0) {
        EXPECT_TRUE(engine->FSOUND_SetFrequency(channel, frequency));
    }
    return engine.RenderSeconds(2.0);
}

TEST(Resampling, ConvertingBetweenRatesLeavesNoAudibleSpur) {
    TempDir dir;
    struct Case {
        int fileRate;
        int outputRate;
        double toneHz;
    };
    const Case cases[] = {
        {48000, 44100, 19000.0},
        {44100, 48000, 19000.0},
        {22050, 44100, 10000.0},
        {48000, 44100, 1000.0},
    };
    for (const Carrier carrier : {Carrier::Stereo, Carrier::Surround}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(carrier == Carrier::Stereo ? "stereo " : "surround ") +
                         std::to_string(c.fileRate) + " -> " + std::to_string(c.outputRate) +
                         " at " + std::to_string(c.toneHz));
            const Spectrum spectrum(
                Render(WriteSine(dir, c.fileRate, c.toneHz, 4.0, carrier), c.outputRate),
                c.outputRate);
            const Spectrum::Spur spur = spectrum.WorstSpur(c.toneHz);
            EXPECT_LT(spur.db, -90.0) << "at " << spur.hz << " Hz";
            if (carrier == Carrier::Stereo) {
                EXPECT_NEAR(spectrum.LevelDb(c.toneHz), 20.0 * std::log10(kAmplitude), 0.1);
            }
        }
    }
}

TEST(Resampling, OffItsFrequencyAChannelStaysCleanAndFlat) {
    TempDir dir;
    const double referenceDb = 20.0 * std::log10(kAmplitude);
    struct Case {
        int fileRate;
        double speed;
        double heardHz[4];
    };
    // Heard tones up to 18 kHz, or as high as the material reaches when
    // slowed; the 48 kHz file is converted to the output's rate as well.
    const Case cases[] = {{kRate, 1.5, {1000.0, 6000.0, 12000.0, 18000.0}},
                          {kRate, 0.7, {1000.0, 6000.0, 10000.0, 13000.0}},
                          {48000, 1.25, {1000.0, 6000.0, 12000.0, 18000.0}}};
    for (const Case& c : cases) {
        for (double heard : c.heardHz) {
            const double toneHz = heard / c.speed;
            SCOPED_TRACE(std::to_string(c.fileRate) + " at " + std::to_string(c.speed) +
                         "x, heard at " + std::to_string(heard));
            const Spectrum spectrum(
                Render(WriteSine(dir, c.fileRate, toneHz), kRate,
                       static_cast<std::int32_t>(std::lround(c.speed * c.fileRate))),
                kRate);
            const Spectrum::Spur spur = spectrum.WorstSpur(heard);
            EXPECT_LT(spur.db, -80.0) << "at " << spur.hz << " Hz";
            EXPECT_NEAR(spectrum.LevelDb(heard), referenceDb, 0.1);
        }
    }
}

TEST(Resampling, AFrequencySweepGlidesWithoutAJump) {
    TempDir dir;
    constexpr double kToneHz = 1000.0;
    PullEngine engine;
    const std::int32_t channel = engine.Play(engine.Open(WriteSine(dir, kRate, kToneHz, 3.0)));
    // Untouched first, then dragged from half to double speed over a second,
    // a new frequency for every block.
    std::vector<float> out = engine.RenderBlocks(10);
    const std::size_t blocks = kRate / kBlock;
    for (std::size_t block = 0; block <= blocks; ++block) {
        const double speed = 0.5 + 1.5 * static_cast<double>(block) / static_cast<double>(blocks);
        ASSERT_TRUE(engine->FSOUND_SetFrequency(
            channel, static_cast<std::int32_t>(std::lround(speed * kRate))));
        const std::vector<float> part = engine.RenderBlocks(1);
        out.insert(out.end(), part.begin(), part.end());
    }
    // A sine of at most twice the tone moves at most A·w in one frame and
    // bends at most A·w² (w: its angle per frame); a click or a filter
    // ringing from a sudden start goes past either.
    const double w = 2.0 * std::numbers::pi * 2.0 * kToneHz / kRate;
    double steepest = 0.0;
    double sharpest = 0.0;
    for (std::size_t i = 4; i < out.size(); i += 2) {
        steepest = std::max(steepest, static_cast<double>(std::fabs(out[i] - out[i - 2])));
        sharpest = std::max(
            sharpest, static_cast<double>(std::fabs(out[i] - 2.0f * out[i - 2] + out[i - 4])));
    }
    EXPECT_LT(steepest, kAmplitude * w * 1.02);
    EXPECT_GT(steepest, kAmplitude * w * 0.9); // it did reach double speed
    EXPECT_LT(sharpest, kAmplitude * w * w * 1.05);
}

// The phase of a `hz` tone heard at `rate`, from `frames` frames at `first`.
double PhaseOf(const std::vector<float>& stereo, int rate, double hz, std::size_t first,
               std::size_t frames) {
    double sine = 0.0;
    double cosine = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double angle =
            2.0 * std::numbers::pi * hz * static_cast<double>(i) / static_cast<double>(rate);
        sine += stereo[2 * (first + i)] * std::sin(angle);
        cosine += stereo[2 * (first + i)] * std::cos(angle);
    }
    return std::atan2(cosine, sine);
}

TEST(Resampling, ASeekLandsOnItsFrameThroughTheConversion) {
    TempDir dir;
    constexpr double kToneHz = 100.0; // a period of 441 frames or more
    struct Case {
        int fileRate;
        std::int32_t frequency;
    };
    // Converted to the output's rate while decoded; played faster by the mixer.
    for (const Case c : {Case{48000, 48000}, Case{kRate, 66150}}) {
        SCOPED_TRACE(std::to_string(c.fileRate) + " at " + std::to_string(c.frequency));
        const double step = static_cast<double>(c.frequency) / kRate; // file frames per frame
        PullEngine engine;
        const StreamHandle stream = engine.Open(WriteSine(dir, c.fileRate, kToneHz, 4.0));
        const std::int32_t channel = engine.Play(stream);
        ASSERT_TRUE(engine->FSOUND_SetFrequency(channel, c.frequency));
        engine.RenderBlocks(20);
        ASSERT_TRUE(engine->FSOUND_Stream_SetPosition(
            stream, engine->FSOUND_Stream_GetLength(stream) * 37 / 100));
        const std::int32_t targetMs = engine->FSOUND_Stream_GetTime(stream);
        // One second from 0.1 s after the seek (whole periods of the tone).
        constexpr std::size_t kBlocks = 52;
        const std::vector<float> out = engine.RenderBlocks(kBlocks);
        const std::size_t skip = kRate / 10;
        const double heard = PhaseOf(out, kRate, kToneHz * c.frequency / c.fileRate, skip, kRate);
        // The seek lands on the whole frame at or before the time.
        const double landedFrame =
            std::floor(targetMs * (c.fileRate / 1000.0)) + static_cast<double>(skip) * step;
        const double expected = 2.0 * std::numbers::pi * kToneHz * landedFrame / c.fileRate;
        const double offsetFrames = std::remainder(heard - expected, 2.0 * std::numbers::pi) /
                                    (2.0 * std::numbers::pi * kToneHz) * c.fileRate;
        EXPECT_NEAR(offsetFrames, 0.0, 0.5);
        // The position the seek bar and the non-stop overlap go by.
        EXPECT_NEAR(engine->FSOUND_Stream_GetTime(stream),
                    targetMs + static_cast<double>(kBlocks * kBlock) * step * 1000.0 / c.fileRate,
                    2.0);
        EXPECT_TRUE(engine->FSOUND_IsPlaying(channel));
    }
}

// The system channel's frequency moves a channel already playing untouched.
TEST(Resampling, TheSystemFrequencyMovesAChannelAlreadyPlaying) {
    TempDir dir;
    PullEngine engine;
    engine.Play(engine.Open(WriteSine(dir, kRate, 1000.0)));
    engine.RenderBlocks(10);
    ASSERT_TRUE(engine->FSOUND_SetFrequency(FSOUND_SYSTEMCHANNEL, kRate * 3 / 2));
    engine.RenderSeconds(0.1);
    const Spectrum spectrum(engine.RenderSeconds(1.0), kRate);
    EXPECT_NEAR(spectrum.LevelDb(1500.0), 20.0 * std::log10(kAmplitude), 0.1);
    EXPECT_LT(spectrum.LevelDb(1000.0), -80.0);
}

TEST(Resampling, AVoiceAtTheOutputsRateAndFrequencyPassesUntouched) {
    TempDir dir;
    // A float WAV of arbitrary values, different on the two channels.
    ByteBuilder data;
    std::vector<float> written;
    std::uint32_t noise = 12345;
    for (int i = 0; i < 2 * kRate; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const float value = static_cast<float>(noise >> 8) / 16777216.0f * 1.8f - 0.9f;
        written.push_back(value);
        data.U32LE(std::bit_cast<std::uint32_t>(value));
    }
    vantor::test::WaveSpec wave;
    wave.formatTag = 3;
    wave.bitsPerSample = 32;
    wave.data = data.Take();
    PullEngine engine;
    const StreamHandle stream = engine.Open(dir.Write("noise.wav", vantor::test::RiffWave(wave)));
    const std::int32_t channel = engine.Play(stream);
    const std::vector<float> first = engine.RenderBlocks(20);
    ASSERT_EQ(std::vector<float>(written.begin(), written.begin() + first.size()), first);

    // Off its frequency and back, then played again from the start.
    ASSERT_TRUE(engine->FSOUND_SetFrequency(channel, 50000));
    engine.RenderBlocks(10);
    ASSERT_TRUE(engine->FSOUND_SetFrequency(channel, kRate));
    ASSERT_TRUE(engine->FSOUND_Stream_SetPosition(stream, 0));
    const std::vector<float> again = engine.RenderBlocks(20);
    ASSERT_EQ(std::vector<float>(written.begin(), written.begin() + again.size()), again);
}

} // namespace
} // namespace vantor::engine::test
