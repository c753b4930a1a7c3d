#include "EngineHarness.h"
#include "engine/EffectRack.h"
#include "engine/PitchShifter.h"
#include "support/ToneMeasure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace vantor::engine::test {
namespace {

using vantor::test::TempDir;
using vantor::test::ZeroCrossingFrequency;

const ToneFile kWav{"pcm_s16le", "wav", ".wav"};

std::int32_t PlayTone(PullEngine& engine, const TempDir& dir, double frequency, double seconds,
                      const std::string& name = "tone") {
    return engine.Play(engine->FSOUND_Stream_Open(
        WriteToneFile(dir, kWav, frequency, seconds, name), kStreamModeFile, 0, 0));
}

TEST(Spectrum, PeakLandsInTheTonesBin) {
    TempDir dir;
    PullEngine engine;
    constexpr int kBin = 40;
    double frequency = kBin * 44100.0 / 1024.0;
    PlayTone(engine, dir, frequency, 1.0);
    DspUnitHandle fft = engine->FSOUND_DSP_GetFFTUnit();
    ASSERT_NE(fft, 0);
    EXPECT_FALSE(engine->FSOUND_DSP_GetActive(fft));
    engine.RenderSeconds(0.1);
    Spectrum off = engine->FSOUND_DSP_GetSpectrum();
    EXPECT_TRUE(std::all_of(off.begin(), off.end(), [](float v) { return v == 0.0f; }));

    engine->FSOUND_DSP_SetActive(fft, true);
    EXPECT_TRUE(engine->FSOUND_DSP_GetActive(fft));
    engine.RenderSeconds(0.2);
    Spectrum spectrum = engine->FSOUND_DSP_GetSpectrum();
    auto peak = std::max_element(spectrum.begin(), spectrum.end());
    EXPECT_EQ(peak - spectrum.begin(), kBin);
    // The tones are at half of full scale; the values are square roots.
    EXPECT_NEAR(*peak, std::sqrt(0.5f), 0.04f);
    EXPECT_TRUE(std::all_of(spectrum.begin(), spectrum.end(),
                            [](float v) { return v >= 0.0f && v <= 1.0f; }));
    EXPECT_LT(spectrum[kBin * 3], 0.1f);
}

// A user unit in the library's callback form: multiplies or offsets the block.
struct Marker {
    float scale = 1.0f;
    float offset = 0.0f;
    std::atomic<int> blocks{0};
    std::atomic<int> frames{0};
};

float* MarkBlock(float*, float* block, std::int32_t length, void* user) {
    auto* marker = static_cast<Marker*>(user);
    for (std::int32_t i = 0; i < 2 * length; ++i) {
        block[i] = block[i] * marker->scale + marker->offset;
    }
    marker->blocks.fetch_add(1);
    marker->frames.store(length);
    return block;
}

TEST(DspUnits, RunInPriorityOrderOnTheFloatMix) {
    PullEngine engine;
    EXPECT_EQ(engine->FSOUND_GetMixer(), kMixerFloat);
    EXPECT_EQ(engine->FSOUND_DSP_GetBufferLength(), 1024);
    EXPECT_EQ(engine->FSOUND_DSP_GetBufferLengthTotal() % 1024, 0);
    EXPECT_GE(engine->FSOUND_DSP_GetBufferLengthTotal(), 1024);

    Marker doubler{2.0f, 0.0f};
    Marker adder{1.0f, 3276.8f}; // 0.1 of full scale
    // Created in the opposite order of their priorities.
    DspUnitHandle add = engine->FSOUND_DSP_Create(&MarkBlock, 20, &adder);
    DspUnitHandle twice = engine->FSOUND_DSP_Create(&MarkBlock, 10, &doubler);
    ASSERT_NE(add, 0);
    ASSERT_NE(twice, 0);
    auto silent = engine.RenderSeconds(0.05);
    EXPECT_EQ(Peak(silent), 0.0f); // units start inactive
    engine->FSOUND_DSP_SetActive(add, true);
    engine->FSOUND_DSP_SetActive(twice, true);
    engine.Settle();
    auto out = engine.RenderSeconds(0.05);
    EXPECT_NEAR(out[10], 0.1f, 1e-4f); // (0 * 2) + 0.1; the other order would give 0.2
    EXPECT_EQ(doubler.frames.load(), 1024);

    engine->FSOUND_DSP_Free(twice);
    int before = doubler.blocks.load();
    engine.RenderSeconds(0.1);
    EXPECT_EQ(doubler.blocks.load(), before);
    EXPECT_FALSE(engine->FSOUND_DSP_GetActive(twice));
}

class Effects : public ::testing::Test {
protected:
    Effects() : rack(*engine) { rack.InitDSP(); }
    // Renders a steady tone with the current effect settings, after the
    // fade of a switch has passed.
    std::vector<float> Tone(double frequency, double seconds = 0.5) {
        PlayTone(engine, dir, frequency, seconds + 0.3, "tone" + std::to_string(tones++));
        engine.RenderSeconds(0.1);
        return engine.RenderSeconds(seconds);
    }
    static double Difference(const std::vector<float>& a, const std::vector<float>& b) {
        double sum = 0.0;
        std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            sum += (a[i] - b[i]) * (a[i] - b[i]);
        }
        return std::sqrt(sum / static_cast<double>(n));
    }
    static float LargestStep(const std::vector<float>& stereo) {
        float step = 0.0f;
        for (std::size_t i = 2; i < stereo.size(); ++i) {
            step = std::max(step, std::fabs(stereo[i] - stereo[i - 2]));
        }
        return step;
    }

    TempDir dir;
    PullEngine engine;
    EffectRack rack;
    int tones = 0;
};

TEST_F(Effects, EachEffectIsAudibleAndBounded) {
    // Each run starts from the same state: fresh engines play the same tone.
    auto dry = Tone(300.0);
    struct Case {
        const char* name;
        std::function<void(EffectRack&)> start;
        std::function<void(EffectRack&)> stop;
    };
    std::vector<Case> cases{
        {"echo", [](EffectRack& r) { r.StartEcho(50); }, [](EffectRack& r) { r.StopEcho(); }},
        {"low-pass", [](EffectRack& r) { r.StartIIR(200.0f, 2.0f); },
         [](EffectRack& r) { r.StopIIR(); }},
        {"reverb", [](EffectRack& r) { r.StartReverb(); }, [](EffectRack& r) { r.StopReverb(); }},
        {"pre-reverb", [](EffectRack& r) { r.StartPreverb(); },
         [](EffectRack& r) { r.StopPreverb(); }},
        {"robot", [](EffectRack& r) { r.StartNoise(); }, [](EffectRack& r) { r.StopNoise(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PullEngine fresh;
        EffectRack effects(*fresh);
        effects.InitDSP();
        c.start(effects);
        c.start(effects); // a second Start is harmless
        PlayTone(fresh, dir, 300.0, 0.8, std::string("t") + c.name);
        fresh.RenderSeconds(0.1);
        auto wet = fresh.RenderSeconds(0.5);
        EXPECT_GT(Difference(wet, dry), 0.05);
        EXPECT_LT(Peak(wet), 0.98f);
        c.stop(effects);
        c.stop(effects); // a Stop on a stopped effect is harmless
        fresh.RenderSeconds(0.05);
    }
}

TEST_F(Effects, SwitchingDoesNotClick) {
    PlayTone(engine, dir, 100.0, 2.0);
    engine.RenderSeconds(0.05);
    std::vector<float> heard;
    auto listen = [&](double seconds) {
        auto part = engine.RenderSeconds(seconds);
        heard.insert(heard.end(), part.begin(), part.end());
    };
    listen(0.1);
    rack.StartIIR(200.0f, 2.0f);
    listen(0.1);
    rack.StartNoise();
    listen(0.1);
    rack.StopIIR();
    listen(0.1);
    rack.StopNoise();
    rack.StartEcho(100);
    listen(0.1);
    rack.StopEcho();
    listen(0.2);
    // A 100 Hz sine of amplitude 0.5 moves at most 0.0071 per sample; a
    // hard switch would jump by up to its amplitude.
    EXPECT_LT(LargestStep(heard), 0.03f);
}

TEST_F(Effects, EchoRepeatsAfterItsDelay) {
    rack.StartEcho(300);
    PlayTone(engine, dir, 440.0, 0.1);
    engine.Settle();
    auto out = engine.RenderSeconds(1.0);
    auto window = [&](double from, double to) {
        return std::vector<float>(out.begin() + static_cast<std::ptrdiff_t>(2 * from * kRate),
                                  out.begin() + static_cast<std::ptrdiff_t>(2 * to * kRate));
    };
    EXPECT_LT(vantor::test::ChannelRms(window(0.13, 0.25), 0), 0.01);
    EXPECT_GT(vantor::test::ChannelRms(window(0.30, 0.36), 0), 0.05);
}

TEST_F(Effects, LowPassKeepsBassAndRemovesTreble) {
    rack.StartIIR(200.0f, 2.0f);
    auto treble = Tone(5000.0);
    auto bass = Tone(80.0);
    EXPECT_LT(ToneLevel(treble, kRate, 5000.0), 0.01);
    EXPECT_GT(ToneLevel(bass, kRate, 80.0), 0.2);
}

TEST_F(Effects, ResonanceIsClampedAndStaysBounded) {
    rack.StartIIR(200.0f, 1000.0f);
    auto out = Tone(200.0);
    EXPECT_LT(Peak(out), 0.98f);
}

TEST(Pitch, DoublesTheToneAtTheSameLength) {
    TempDir dir;
    PullEngine engine;
    PitchShifter pitch(*engine);
    pitch.InitTonalis(kRate);
    pitch.TonalisStart(1.0f, 1.0f, 2.0f);
    std::int32_t channel = PlayTone(engine, dir, 440.0, 1.0);
    auto out = engine.RenderWhile([&] { return engine->FSOUND_IsPlaying(channel); });
    out.resize(out.size() + 2 * kRate / 2);
    engine->Render(out.data() + out.size() - kRate, kRate / 2); // the shifter's tail
    std::vector<float> middle(out.begin() + 2 * kRate / 4, out.begin() + 2 * kRate * 3 / 4);
    // The shifter splices its pieces, which moves zero crossings a little.
    EXPECT_NEAR(ZeroCrossingFrequency(middle, kRate), 880.0, 22.0);
    EXPECT_GT(ToneLevel(middle, kRate, 880.0), 5.0 * ToneLevel(middle, kRate, 440.0));
    EXPECT_NEAR(static_cast<double>(AudibleFrames(out)), 44100.0, 4500.0);

    pitch.TonalisStop();
    pitch.ClearDspBuffer();
    std::int32_t again = PlayTone(engine, dir, 440.0, 1.0, "again");
    engine.RenderSeconds(0.2);
    auto plain = engine.RenderSeconds(0.3);
    EXPECT_NEAR(ZeroCrossingFrequency(plain, kRate), 440.0, 5.0);
    EXPECT_TRUE(engine->FSOUND_IsPlaying(again));
    EXPECT_FLOAT_EQ(pitch.Tonalis_GetVersion(), 1.0f);
}

} // namespace
} // namespace vantor::engine::test
