#include "EngineHarness.h"
#include "core/SoundSetup.h"
#include "engine/EffectRack.h"
#include "engine/PitchShifter.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeProcessControl.h"
#include "support/ToneMeasure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace vantor::engine::test {
namespace {

using vantor::test::TempDir;

const ToneFile kWav{"pcm_s16le", "wav", ".wav"};

bool WaitUntil(const std::function<bool()>& done, double seconds = 30.0) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return done();
}

std::vector<float> ReadWav16(const std::string& path, int& rate) {
    std::string bytes = vantor::test::ReadWholeFile(path);
    auto le = [&](std::size_t at, int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value |= static_cast<std::uint32_t>(
                         static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]))
                     << (8 * i);
        }
        return value;
    };
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(le(22, 2), 2u);
    EXPECT_EQ(le(34, 2), 16u);
    rate = static_cast<int>(le(24, 4));
    std::uint32_t dataBytes = le(40, 4);
    EXPECT_EQ(dataBytes + 44, bytes.size());
    std::vector<float> samples(dataBytes / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<float>(static_cast<std::int16_t>(le(44 + 2 * i, 2))) / 32768.0f;
    }
    return samples;
}

TEST(Outputs, WavFileHoldsWhatPlayed) {
    TempDir dir;
    std::string tone = WriteToneFile(dir, kWav, 440.0, 1.0);
    std::string wav = dir.File("out.wav");
    {
        SoundEngine engine(EngineOptions{OutputKind::WavFile, wav, nullptr});
        ASSERT_TRUE(engine.FSOUND_Init(44100, 128, 0));
        EXPECT_EQ(engine.FSOUND_GetDriverName(0), "WAV file " + wav);
        std::int32_t channel = engine.FSOUND_Stream_PlayEx(
            FSOUND_FREE, engine.FSOUND_Stream_Open(tone, kStreamModeFile, 0, 0), 0, false);
        ASSERT_GE(channel, 0);
        ASSERT_TRUE(WaitUntil([&] { return !engine.FSOUND_IsPlaying(channel); }));
        engine.FSOUND_Close();
    }
    int rate = 0;
    auto samples = ReadWav16(wav, rate);
    EXPECT_EQ(rate, 44100);
    // Whole blocks of the mix: the tone and the rest of its last block.
    EXPECT_NEAR(static_cast<double>(samples.size() / 2), 44100.0, 2100.0);
    EXPECT_NEAR(static_cast<double>(AudibleFrames(samples)), 44100.0, 1100.0);
    EXPECT_NEAR(vantor::test::ZeroCrossingFrequency(samples, rate), 440.0, 3.0);
}

TEST(Outputs, NullOutputsPlayWithoutADevice) {
    TempDir dir;
    std::string tone = WriteToneFile(dir, kWav, 440.0, 2.0);
    for (OutputKind kind : {OutputKind::NullFast, OutputKind::Null}) {
        std::atomic<int> renderThreads{0};
        SoundEngine engine(EngineOptions{kind, "", [&] { renderThreads.fetch_add(1); }});
        ASSERT_TRUE(engine.FSOUND_Init(48000, 128, 0));
        EXPECT_EQ(engine.FSOUND_GetOutputRate(), 48000);
        StreamHandle stream = engine.FSOUND_Stream_Open(tone, kStreamModeFile, 0, 0);
        std::int32_t channel = engine.FSOUND_Stream_PlayEx(FSOUND_FREE, stream, 0, false);
        ASSERT_GE(channel, 0);
        ASSERT_TRUE(WaitUntil([&] { return engine.FSOUND_Stream_GetTime(stream) >= 300; }));
        EXPECT_EQ(renderThreads.load(), 1);
        if (kind == OutputKind::NullFast) {
            ASSERT_TRUE(WaitUntil([&] { return !engine.FSOUND_IsPlaying(channel); }));
            EXPECT_GE(engine.FSOUND_Stream_GetTime(stream),
                      engine.FSOUND_Stream_GetLengthMs(stream));
        }
        EXPECT_TRUE(engine.FSOUND_Stream_Close(stream));
        EXPECT_EQ(engine.FSOUND_GetChannelsPlaying(), 0);
    }
}

// The decoder rests while a paused stream's ring stays full; the end of the
// pause, or a stop and a new start, must have it refill in time again.
TEST(Outputs, StreamPlaysOnWithoutDropoutsAfterAPauseAndARestart) {
    TempDir dir;
    std::string tone = WriteToneFile(dir, kWav, 440.0, 3.0);
    SoundEngine engine(EngineOptions{OutputKind::Null, "", nullptr});
    ASSERT_TRUE(engine.FSOUND_Init(44100, 32, 0));
    StreamHandle stream = engine.FSOUND_Stream_Open(tone, kStreamModeFile, 0, 0);
    std::int32_t channel = engine.FSOUND_Stream_PlayEx(FSOUND_FREE, stream, 0, false);
    ASSERT_GE(channel, 0);
    ASSERT_TRUE(WaitUntil([&] { return engine.FSOUND_Stream_GetTime(stream) >= 300; }));
    EXPECT_TRUE(engine.FSOUND_SetPaused(channel, true));
    std::this_thread::sleep_for(std::chrono::milliseconds(900));
    EXPECT_TRUE(engine.FSOUND_SetPaused(channel, false));
    ASSERT_TRUE(WaitUntil([&] { return engine.FSOUND_Stream_GetTime(stream) >= 1300; }));
    EXPECT_TRUE(engine.FSOUND_Stream_Stop(stream));
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    channel = engine.FSOUND_Stream_PlayEx(FSOUND_FREE, stream, 0, false);
    ASSERT_GE(channel, 0);
    ASSERT_TRUE(WaitUntil([&] { return !engine.FSOUND_IsPlaying(channel); }));
    // A busy machine may keep the decoder from its work for a block or two;
    // a decoder left asleep leaves a gap of many.
    EXPECT_LT(engine.Underruns(), 4u);
}

// The decoder wakes rarely while a ring of a second plays at its normal rate;
// a channel sped up to three times that rate meanwhile must not run dry, on
// the shortest ring as on the usual one.
TEST(Outputs, AStreamSpedUpToThreeTimesItsRatePlaysOnWithoutDropouts) {
    TempDir dir;
    const std::string tone = WriteToneFile(dir, kWav, 440.0, 5.0);
    for (const std::int32_t ringMs : {400, 1000}) {
        SoundEngine engine(EngineOptions{OutputKind::Null, "", nullptr});
        ASSERT_TRUE(engine.FSOUND_Stream_SetBufferSize(ringMs));
        ASSERT_TRUE(engine.FSOUND_Init(44100, 32, 0));
        StreamHandle stream = engine.FSOUND_Stream_Open(tone, kStreamModeFile, 0, 0);
        std::int32_t channel = engine.FSOUND_Stream_PlayEx(FSOUND_FREE, stream, 0, false);
        ASSERT_GE(channel, 0);
        // Long enough at the normal rate for the worker to settle on its
        // longest rounds.
        ASSERT_TRUE(WaitUntil([&] { return engine.FSOUND_Stream_GetTime(stream) >= 1200; }));
        EXPECT_TRUE(engine.FSOUND_SetFrequency(channel, 3 * 44100));
        ASSERT_TRUE(WaitUntil([&] { return !engine.FSOUND_IsPlaying(channel); }));
        EXPECT_LT(engine.Underruns(), 4u) << "ring of " << ringMs << " ms";
    }
}

// Sets SDL_AUDIODRIVER for a scope and restores what it was.
class ScopedSdlDriver {
public:
    explicit ScopedSdlDriver(const char* driver) {
        const char* previous = std::getenv("SDL_AUDIODRIVER");
        m_had = previous != nullptr;
        m_saved = m_had ? previous : "";
        Set(driver);
    }
    ~ScopedSdlDriver() {
        if (m_had) {
            ::setenv("SDL_AUDIODRIVER", m_saved.c_str(), 1);
        } else {
            ::unsetenv("SDL_AUDIODRIVER");
        }
    }
    ScopedSdlDriver(const ScopedSdlDriver&) = delete;
    ScopedSdlDriver& operator=(const ScopedSdlDriver&) = delete;
    void Set(const char* driver) { ::setenv("SDL_AUDIODRIVER", driver, 1); }

private:
    bool m_had = false;
    std::string m_saved;
};

TEST(Outputs, DeviceOutputFollowsSdlAudioDriver) {
    ScopedSdlDriver driver("no-such-driver");
    {
        SoundEngine engine;
        EXPECT_TRUE(engine.FSOUND_SetOutput(FSOUND_OUTPUT_WINMM));
        EXPECT_FALSE(engine.FSOUND_Init(44100, 128, 0));
        EXPECT_EQ(engine.FSOUND_GetError(), kSoundErrorInit);
    }
    driver.Set("dummy");
    {
        SoundEngine engine;
        EXPECT_TRUE(engine.FSOUND_SetOutput(FSOUND_OUTPUT_ASIO));
        EXPECT_GE(engine.FSOUND_GetNumDrivers(), 1);
        EXPECT_FALSE(engine.FSOUND_GetDriverName(0).empty());
        EXPECT_TRUE(engine.FSOUND_Init(44100, 128, 0));
        EXPECT_FALSE(engine.FSOUND_SetOutput(FSOUND_OUTPUT_WINMM));
        EXPECT_EQ(engine.FSOUND_GetError(), kSoundErrorBusy);
        EXPECT_FALSE(engine.FSOUND_Init(44100, 128, 0));
        engine.FSOUND_Close();
    }
}

// Counts the blocks the device asks for, and those that hold sound.
struct BlockCounter {
    std::atomic<int> blocks{0};
    std::atomic<int> sounding{0};
};

float* CountBlock(float*, float* block, std::int32_t length, void* user) {
    auto* counter = static_cast<BlockCounter*>(user);
    counter->blocks.fetch_add(1);
    if (std::any_of(block, block + 2 * length, [](float v) { return std::abs(v) > 1000.0f; })) {
        counter->sounding.fetch_add(1);
    }
    return block;
}

// True once the device has asked for no block during a few of its periods.
bool DeviceFallsSilent(const BlockCounter& counter) {
    int seen = -1;
    return WaitUntil([&] {
        const int now = counter.blocks.load();
        const bool still = now == seen;
        seen = now;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return still;
    });
}

bool SoundComesBack(const BlockCounter& counter) {
    const int before = counter.sounding.load();
    return WaitUntil([&] { return counter.sounding.load() > before; });
}

TEST(Outputs, DeviceRestsWhileNothingPlaysAndSoundsAgainOnPlay) {
    ScopedSdlDriver driver("dummy");
    TempDir dir;
    std::string tone = WriteToneFile(dir, kWav, 440.0, 30.0);
    SoundEngine engine;
    ASSERT_TRUE(engine.FSOUND_Init(44100, 32, 0));
    BlockCounter counter;
    engine.FSOUND_DSP_SetActive(engine.FSOUND_DSP_Create(&CountBlock, 500, &counter), true);
    StreamHandle stream = engine.FSOUND_Stream_Open(tone, kStreamModeFile, 0, 0);
    std::int32_t channel = engine.FSOUND_Stream_PlayEx(FSOUND_FREE, stream, 0, false);
    ASSERT_GE(channel, 0);
    ASSERT_TRUE(SoundComesBack(counter));

    // A paused stream lets the device rest; the end of the pause wakes it.
    EXPECT_TRUE(engine.FSOUND_SetPaused(channel, true));
    EXPECT_TRUE(DeviceFallsSilent(counter));
    EXPECT_TRUE(engine.FSOUND_SetPaused(channel, false));
    EXPECT_TRUE(SoundComesBack(counter));

    // So does a stopped one, until it plays again.
    EXPECT_TRUE(engine.FSOUND_Stream_Stop(stream));
    EXPECT_TRUE(DeviceFallsSilent(counter));
    EXPECT_GE(engine.FSOUND_Stream_PlayEx(FSOUND_FREE, stream, 0, false), 0);
    EXPECT_TRUE(SoundComesBack(counter));
    engine.FSOUND_Close();
}

// The oscilloscope's capture in the library's callback form: copies the
// newest block into preallocated storage and publishes it with an index.
struct Capture {
    std::array<float, 2048> block{};
    std::atomic<int> blocks{0};
};

float* CaptureBlock(float*, float* block, std::int32_t length, void* user) {
    auto* capture = static_cast<Capture*>(user);
    std::copy(block, block + std::min<std::int32_t>(2 * length, 2048), capture->block.begin());
    capture->blocks.fetch_add(1, std::memory_order_release);
    return block;
}

// The engine with its effect rack and pitch shifter, as the player holds them.
struct EngineSoundSystem {
    explicit EngineSoundSystem(EngineOptions options = {}) : engine(std::move(options)) {}

    SoundEngine engine;
    EffectRack effects{engine};
    PitchShifter pitch{engine};
    SoundSystem system{engine, effects, pitch};
};

TEST(SoundSetupOnTheEngine, InitialisesPlaysAndShutsDown) {
    TempDir dir;
    EngineSoundSystem player(EngineOptions{OutputKind::Null, "", nullptr});
    SoundEngine& engine = player.engine;
    Settings settings;
    settings.OutputType = 0;
    settings.OutputRate = 44100;
    settings.BufferLength = 200;
    settings.MixerType = 0;
    settings.PitchEnable = 1;
    settings.PitchScale = 1.5f;
    SoundSetupState state;
    Capture capture;
    vantor::test::FakeMessageBoxes messages;
    vantor::test::FakeProcessControl process;
    InitSoundSystem(settings, player.system, state, CaptureHook{&CaptureBlock, &capture}, messages,
                    process);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(process.endRequests, 0);
    EXPECT_EQ(settings.MixerType, kMixerFloat);
    ASSERT_NE(state.CaptureUnit, 0);
    EXPECT_TRUE(engine.FSOUND_DSP_GetActive(state.CaptureUnit));
    EXPECT_EQ(engine.FSOUND_GetFrequency(FSOUND_SYSTEMCHANNEL), 44100);

    settings.FrequencyEnable = 1;
    settings.FrequencyScale = 1.5f;
    ApplySoundControls(settings, player.system, messages);
    EXPECT_EQ(engine.FSOUND_GetFrequency(FSOUND_SYSTEMCHANNEL), 66150);

    std::int32_t channel = engine.FSOUND_Stream_PlayEx(
        FSOUND_FREE,
        engine.FSOUND_Stream_Open(WriteToneFile(dir, kWav, 440.0, 1.0), kStreamModeFile, 0, 0), 0,
        false);
    ASSERT_GE(channel, 0);
    ASSERT_TRUE(WaitUntil([&] { return capture.blocks.load() > 3; }));
    ShutdownSoundSystem(player.system, state, nullptr);
    EXPECT_EQ(state.CaptureUnit, 0);
    EXPECT_EQ(engine.FSOUND_GetOutputRate(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SoundSetupOnTheEngine, FailedOutputShowsTheMessageAndEnds) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EngineSoundSystem player;
    Settings settings;
    settings.OutputRate = 44100;
    settings.BufferLength = 200;
    SoundSetupState state;
    vantor::test::FakeMessageBoxes messages;
    vantor::test::FakeProcessControl process;
    InitSoundSystem(settings, player.system, state, CaptureHook{&CaptureBlock, nullptr}, messages,
                    process);
    ::unsetenv("SDL_AUDIODRIVER");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "サウンド出力の初期化に失敗しました\r\nError initializing output device.");
    EXPECT_EQ(process.endRequests, 1);
}

} // namespace
} // namespace vantor::engine::test
