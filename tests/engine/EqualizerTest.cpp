#include "engine/Equalizer.h"
#include "EngineHarness.h"
#include "support/AudioEncoder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantor::engine::test {
namespace {

using vantor::test::TempDir;

const ToneFile kWav{"pcm_s16le", "wav", ".wav"};
// The equaliser's glide and switch fades are over well within this.
constexpr double kSettleSeconds = 0.2;
constexpr double kListenSeconds = 0.4;

double Decibels(double ratio) {
    return 20.0 * std::log10(ratio);
}

float LargestStep(const std::vector<float>& stereo) {
    float step = 0.0f;
    for (std::size_t i = 2; i < stereo.size(); ++i) {
        step = std::max(step, std::fabs(stereo[i] - stereo[i - 2]));
    }
    return step;
}

class EqualizerSound : public ::testing::Test {
protected:
    EqualizerSound() : equalizer(*engine) { equalizer.Init(kRate); }

    // The level of a tone (amplitude 0.5) as heard with the current settings.
    double Level(double frequency) {
        std::string name = "tone" + std::to_string(tones++);
        StreamHandle stream = engine.Open(WriteToneFile(dir, kWav, frequency, 0.8, name));
        engine.Play(stream);
        engine.RenderSeconds(kSettleSeconds);
        double level = ToneLevel(engine.RenderSeconds(kListenSeconds), kRate, frequency);
        engine->FSOUND_Stream_Stop(stream);
        return level;
    }
    double GainAt(double frequency, const EqualizerLevels& levels) {
        equalizer.Apply(false, {});
        double dry = Level(frequency);
        equalizer.Apply(true, levels);
        return Decibels(Level(frequency) / dry);
    }

    TempDir dir;
    PullEngine engine;
    Equalizer equalizer;
    int tones = 0;
};

TEST_F(EqualizerSound, EachBandRaisesItsCentreAndLeavesTwoOctavesAwayAlone) {
    for (std::size_t band = 0; band < kEqualizerBands; ++band) {
        double centre = kEqualizerCentres[band];
        SCOPED_TRACE(centre);
        EqualizerLevels levels;
        levels.bands[band] = 6.0f;
        EXPECT_NEAR(GainAt(centre, levels), 6.0, 0.5);
        double away = centre * 4.0 <= 16000.0 ? centre * 4.0 : centre / 4.0;
        EXPECT_NEAR(GainAt(away, levels), 0.0, 1.0);
        levels.bands[band] = -6.0f;
        EXPECT_NEAR(GainAt(centre, levels), -6.0, 0.5);
    }
}

TEST_F(EqualizerSound, PreampMovesEverythingByItsValue) {
    EqualizerLevels levels;
    levels.preamp = -6.0f;
    for (double frequency : {40.0, 440.0, 3000.0, 12000.0}) {
        SCOPED_TRACE(frequency);
        EXPECT_NEAR(GainAt(frequency, levels), -6.0, 0.1);
    }
}

TEST_F(EqualizerSound, OffOrFlatPassesTheSoundBitForBit) {
    // A twin engine with no equaliser hears the same tone as the reference.
    PullEngine plain;
    std::string tone = WriteToneFile(dir, kWav, 300.0, 1.5);
    plain.Play(plain.Open(tone));
    engine.Play(engine.Open(tone));
    EqualizerLevels boosted;
    boosted.bands[3] = 9.0f;

    equalizer.Apply(true, EqualizerLevels{}); // on, but flat
    EXPECT_EQ(engine.RenderSeconds(0.3), plain.RenderSeconds(0.3));
    equalizer.Apply(false, boosted); // off, whatever the levels
    EXPECT_EQ(engine.RenderSeconds(0.3), plain.RenderSeconds(0.3));
    equalizer.Apply(true, boosted);
    EXPECT_NE(engine.RenderSeconds(0.3), plain.RenderSeconds(0.3));
    equalizer.Apply(true, EqualizerLevels{}); // back to flat: after the fade, exact again
    engine.RenderSeconds(0.1);
    plain.RenderSeconds(0.1);
    EXPECT_EQ(engine.RenderSeconds(0.3), plain.RenderSeconds(0.3));
}

TEST_F(EqualizerSound, FullScaleSineAtTwelveDecibelsStaysBelowFullScale) {
    for (double frequency : {62.0, 1000.0, 16000.0}) {
        SCOPED_TRACE(frequency);
        vantor::test::ToneSpec spec;
        spec.encoder = "pcm_s16le";
        spec.container = "wav";
        spec.frequency = frequency;
        spec.seconds = 1.0;
        spec.amplitude = 1.0;
        std::string path = dir.File("loud" + std::to_string(tones++) + ".wav");
        ASSERT_TRUE(vantor::test::EncodeTone(path, spec));
        EqualizerLevels levels;
        levels.bands.fill(12.0f);
        levels.preamp = 12.0f;
        equalizer.Apply(true, levels);
        StreamHandle stream = engine.Open(path);
        engine.Play(stream);
        auto out = engine.RenderSeconds(0.9);
        engine->FSOUND_Stream_Stop(stream);
        EXPECT_LE(Peak(out), 1.0f);
        // Turned down, not cut off: the tone is still there at full strength.
        EXPECT_GT(ToneLevel(out, kRate, frequency), 0.5);
    }
}

TEST_F(EqualizerSound, MovingASliderGlidesWithoutClicks) {
    engine.Play(engine.Open(WriteToneFile(dir, kWav, 125.0, 2.0)));
    EqualizerLevels levels;
    std::vector<float> heard;
    for (float level : {6.0f, -6.0f, 6.0f, 0.0f, -3.0f}) {
        levels.bands[2] = level;
        equalizer.Apply(true, levels);
        auto part = engine.RenderSeconds(0.15);
        heard.insert(heard.end(), part.begin(), part.end());
    }
    // A 125 Hz sine of amplitude 1 moves at most 0.018 per sample; a sudden
    // change of level would jump by up to half its amplitude.
    EXPECT_LT(LargestStep(heard), 0.03f);
    EXPECT_GT(ToneLevel(heard, kRate, 125.0), 0.3);
}

} // namespace
} // namespace vantor::engine::test
