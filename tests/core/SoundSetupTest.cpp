#include "core/SoundSetup.h"
#include "core/SoundErrorText.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeProcessControl.h"
#include "support/FakeSoundLibrary.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::FakeSoundSystem;

float* Capture(float*, float* block, std::int32_t, void*) {
    return block;
}

class SoundSetupTest : public ::testing::Test {
protected:
    SoundSetupTest() {
        settings.OutputType = 1;
        settings.DriverType = 2;
        settings.MixerType = 0;
        settings.OutputRate = 44100;
        settings.BufferLength = 300;
        settings.FrequencyScale = 1.0f;
        settings.SoundStretchScale = 1.0f;
        settings.PitchScale = 1.0f;
    }
    void Init() { InitSoundSystem(settings, system, state, hook, messages, process); }
    void Controls() { ApplySoundControls(settings, system, messages); }
    std::vector<std::string> PitchCalls() const {
        std::vector<std::string> calls;
        for (const std::string& call : fakes.recorder.Log()) {
            if (call.rfind("Tonalis", 0) == 0) {
                calls.push_back(call);
            }
        }
        return calls;
    }

    Settings settings;
    FakeSoundSystem fakes;
    SoundSystem system{fakes.sound, fakes.effects, fakes.pitch};
    SoundSetupState state;
    int captureValue = 0;
    CaptureHook hook{&Capture, &captureValue};
    test::FakeMessageBoxes messages;
    test::FakeProcessControl process;
};

TEST_F(SoundSetupTest, InitialisesInOrderWithTheSettings) {
    settings.ForceSoftwareMidi = 1;
    settings.GlobalFocus = 1;
    fakes.recorder.Script("FSOUND_DSP_Create", {77});
    Init();
    std::vector<std::string> expected{
        "FSOUND_SetOutput(2)",
        "FSOUND_SetDriver(2)",
        "FSOUND_SetMixer(0)",
        "FSOUND_Stream_SetBufferSize(300)",
        "FSOUND_Init(44100, 128, 3)",
        "FSOUND_GetMixer()",
        "InitDSP()",
        "FSOUND_DSP_Create(303, ptr)",
        "FSOUND_DSP_GetActive(77)",
        "FSOUND_DSP_SetActive(77, true)",
        "InitTonalis(44100)",
        "FSOUND_SetFrequency(-1000, 44100)",
        "TonalisStop()",
    };
    EXPECT_EQ(fakes.recorder.Log(), expected);
    EXPECT_EQ(state.CaptureUnit, 77);
    EXPECT_EQ(fakes.sound.dspCallbacks[77], &Capture);
    EXPECT_EQ(fakes.sound.dspUserValues[77], &captureValue);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(process.endRequests, 0);
}

TEST_F(SoundSetupTest, FlagsFollowTheirSettings) {
    settings.ForceSoftwareMidi = 0;
    settings.GlobalFocus = 0;
    Init();
    EXPECT_EQ(fakes.recorder.LogOf("FSOUND_Init"),
              std::vector<std::string>{"FSOUND_Init(44100, 128, 0)"});

    FakeSoundSystem other;
    SoundSystem otherSystem{other.sound, other.effects, other.pitch};
    settings.ForceSoftwareMidi = 1; // as the settings dialog stores a ticked box
    InitSoundSystem(settings, otherSystem, state, hook, messages, process);
    EXPECT_EQ(other.recorder.LogOf("FSOUND_Init"),
              std::vector<std::string>{"FSOUND_Init(44100, 128, 1)"});
}

TEST_F(SoundSetupTest, OutputTableAndItsGaps) {
    EXPECT_EQ(OutputForType(0), FSOUND_OUTPUT_WINMM);
    EXPECT_EQ(OutputForType(1), FSOUND_OUTPUT_DSOUND);
    EXPECT_EQ(OutputForType(2), FSOUND_OUTPUT_ASIO);
    EXPECT_EQ(OutputForType(3), -1);
    EXPECT_EQ(OutputForType(-1), -1);
}

TEST_F(SoundSetupTest, MixerTypeIsRewrittenWithTheDetectedMixer) {
    settings.MixerType = 0;
    fakes.recorder.Script("FSOUND_GetMixer", {5});
    Init();
    EXPECT_EQ(settings.MixerType, 5);
}

TEST_F(SoundSetupTest, InitFailureShowsTheErrorAndEndsAtOnce) {
    fakes.recorder.Script("FSOUND_Init", {0});
    fakes.recorder.Script("FSOUND_GetError", {3});
    Init();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "サウンド出力の初期化に失敗しました\r\nError initializing output device.");
    EXPECT_EQ(messages.shown[0].title, "Vantor");
    EXPECT_EQ(process.endRequests, 1);
    EXPECT_EQ(fakes.recorder.CountOf("InitDSP"), 0);
    EXPECT_EQ(fakes.recorder.CountOf("FSOUND_DSP_Create"), 0);
    EXPECT_EQ(fakes.recorder.CountOf("InitTonalis"), 0);
    EXPECT_EQ(state.CaptureUnit, 0);
}

TEST_F(SoundSetupTest, SystemFrequencyRoundsHalvesToEven) {
    settings.OutputRate = 11025;
    settings.FrequencyEnable = 1;
    settings.FrequencyScale = 1.5f; // 16537.5
    ApplySystemFrequency(settings, fakes.sound);
    settings.OutputRate = 11;
    settings.FrequencyScale = 0.5f; // 5.5
    ApplySystemFrequency(settings, fakes.sound);
    settings.FrequencyScale = 1.5f; // 16.5
    ApplySystemFrequency(settings, fakes.sound);
    EXPECT_EQ(fakes.recorder.Log(), (std::vector<std::string>{"FSOUND_SetFrequency(-1000, 16538)",
                                                              "FSOUND_SetFrequency(-1000, 6)",
                                                              "FSOUND_SetFrequency(-1000, 16)"}));
}

TEST_F(SoundSetupTest, SystemFrequencyMultipliesBothSwitchesAndIgnoresPitch) {
    settings.FrequencyEnable = 1;
    settings.FrequencyScale = 1.5f;
    settings.SoundStretchEnable = 1;
    settings.SoundStretchScale = 2.0f;
    settings.PitchEnable = 1;
    settings.PitchScale = 0.5f;
    ApplySystemFrequency(settings, fakes.sound);
    settings.FrequencyEnable = 2; // only 1 counts as on
    settings.SoundStretchEnable = 0;
    ApplySystemFrequency(settings, fakes.sound);
    EXPECT_EQ(fakes.recorder.Log(),
              (std::vector<std::string>{"FSOUND_SetFrequency(-1000, 132300)",
                                        "FSOUND_SetFrequency(-1000, 44100)"}));
}

TEST_F(SoundSetupTest, PitchOneStopsThePitchUnit) {
    settings.PitchEnable = 1;
    settings.PitchScale = 1.0f;
    Controls();
    EXPECT_EQ(PitchCalls(), std::vector<std::string>{"TonalisStop()"});
}

TEST_F(SoundSetupTest, PitchFactorStartsThePitchUnit) {
    settings.PitchEnable = 1;
    settings.PitchScale = 1.25f;
    Controls();
    EXPECT_EQ(PitchCalls(), std::vector<std::string>{"TonalisStart(1, 1, 1.25)"});
}

TEST_F(SoundSetupTest, FrequencyAloneLeavesPitchStopped) {
    settings.FrequencyEnable = 1;
    settings.FrequencyScale = 1.5f;
    Controls();
    EXPECT_EQ(fakes.recorder.LogOf("FSOUND_SetFrequency"),
              std::vector<std::string>{"FSOUND_SetFrequency(-1000, 66150)"});
    EXPECT_EQ(PitchCalls(), std::vector<std::string>{"TonalisStop()"});
}

TEST_F(SoundSetupTest, StretchAloneDoublesTheRateAndHalvesThePitch) {
    settings.SoundStretchEnable = 1;
    settings.SoundStretchScale = 2.0f;
    Controls();
    EXPECT_EQ(fakes.recorder.LogOf("FSOUND_SetFrequency"),
              std::vector<std::string>{"FSOUND_SetFrequency(-1000, 88200)"});
    EXPECT_EQ(PitchCalls(), std::vector<std::string>{"TonalisStart(1, 1, 0.5)"});
}

TEST_F(SoundSetupTest, StretchWithFrequencyUsesTheRateTheMixerReports) {
    settings.SoundStretchEnable = 1;
    settings.SoundStretchScale = 2.0f;
    settings.FrequencyEnable = 1;
    settings.FrequencyScale = 1.5f;
    settings.PitchEnable = 1;
    settings.PitchScale = 2.0f;
    fakes.recorder.Script("FSOUND_GetFrequency", {88200});
    Controls();
    // 44100 / (2 * 88200) * 2
    EXPECT_EQ(PitchCalls(), std::vector<std::string>{"TonalisStart(1, 1, 0.5)"});
    EXPECT_EQ(fakes.recorder.LogOf("FSOUND_GetFrequency"),
              std::vector<std::string>{"FSOUND_GetFrequency(-1000)"});
}

TEST_F(SoundSetupTest, ZeroStretchShowsTheControlErrorAndKeepsThePitchUnit) {
    settings.SoundStretchEnable = 1;
    settings.SoundStretchScale = 0.0f;
    Controls();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error : SetSoundControl");
    EXPECT_EQ(messages.shown[0].title, "Vantor");
    EXPECT_TRUE(PitchCalls().empty());
    // The rate of step 1 stays set.
    EXPECT_EQ(fakes.recorder.LogOf("FSOUND_SetFrequency"),
              std::vector<std::string>{"FSOUND_SetFrequency(-1000, 0)"});
}

TEST_F(SoundSetupTest, ZeroReportedFrequencyShowsTheControlError) {
    settings.SoundStretchEnable = 1;
    settings.SoundStretchScale = 1.0f;
    settings.FrequencyEnable = 1;
    fakes.recorder.Script("FSOUND_GetFrequency", {0});
    Controls();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error : SetSoundControl");
    EXPECT_TRUE(PitchCalls().empty());
}

TEST_F(SoundSetupTest, OverflowingRateShowsTheControlErrorBeforeAnyCall) {
    settings.OutputRate = 2000000000;
    settings.FrequencyEnable = 1;
    settings.FrequencyScale = 2.0f;
    Controls();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(fakes.recorder.calls.empty());
}

TEST_F(SoundSetupTest, ShutdownClosesTrackLibrariesAndCaptureUnit) {
    state.CaptureUnit = 9;
    ShutdownSoundSystem(system, state, [&] { fakes.recorder.Record("CloseTrack"); });
    EXPECT_EQ(fakes.recorder.Log(),
              (std::vector<std::string>{"CloseTrack()", "CloseDSP()", "CloseTonalis()",
                                        "FSOUND_DSP_Free(9)", "FSOUND_Close()"}));
    EXPECT_EQ(state.CaptureUnit, 0);
}

TEST_F(SoundSetupTest, ShutdownWithoutCaptureUnitFreesNothing) {
    ShutdownSoundSystem(system, state, nullptr);
    EXPECT_EQ(fakes.recorder.CountOf("FSOUND_DSP_Free"), 0);
    EXPECT_EQ(fakes.recorder.CountOf("FSOUND_Close"), 1);
}

TEST(SoundErrorTextTest, TextsAsTheLibraryWordsThem) {
    EXPECT_EQ(SoundErrorText(1),
              "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.");
    EXPECT_EQ(SoundErrorText(12), "Not enough memory ");
    EXPECT_EQ(SoundErrorText(19), "An error occured trying to open the specified CD device");
    EXPECT_EQ(SoundErrorText(20), "Unknown error");
    EXPECT_EQ(SoundErrorText(-1), "Unknown error");
}

} // namespace
} // namespace vantor
