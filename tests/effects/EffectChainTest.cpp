#include "effects/EffectChain.h"
#include "RecordingControlsHost.h"
#include "effects/EffectControls.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakeSoundLibrary.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using Calls = std::vector<std::string>;

class EffectChainTest : public ::testing::Test {
protected:
    test::FakeSoundSystem system;
    test::RecordingControlsHost host;
    Settings settings;
};

TEST_F(EffectChainTest, AllOffStopsEveryEffectInItsOrder) {
    ApplyEffects(settings, system.effects);
    EXPECT_EQ(system.recorder.Log(),
              (Calls{"StopPreverb()", "StopReverb()", "StopEcho()", "StopIIR()", "StopNoise()"}));
}

TEST_F(EffectChainTest, AllOnStartsEveryEffectWithItsLevels) {
    settings.EffectEnabled = {1, 1, 1, 1, 1};
    settings.EchoLevel = 500;
    settings.CutOffLevel = 200;
    settings.ResonanceLevel = 2;
    ApplyEffects(settings, system.effects);
    EXPECT_EQ(system.recorder.Log(), (Calls{"StartPreverb()", "StartReverb()", "StartEcho(500)",
                                            "StartIIR(200, 2)", "StartNoise()"}));
}

TEST_F(EffectChainTest, EachSwitchDrivesItsOwnEffect) {
    settings.EffectEnabled[kEffectLowPass] = 1;
    settings.EffectEnabled[kEffectRobot] = 7;
    ApplyEffects(settings, system.effects);
    EXPECT_EQ(system.recorder.Log(), (Calls{"StopPreverb()", "StopReverb()", "StopEcho()",
                                            "StartIIR(0, 0)", "StartNoise()"}));
}

TEST_F(EffectChainTest, ANewEchoLevelReachesTheLibraryOnlyWhileEchoIsOn) {
    settings.EffectEnabled[kEffectEcho] = 1;
    MoveEffectSlider(settings, EffectSlider::Echo, 750);
    ApplyEffects(settings, system.effects);
    EXPECT_EQ(system.recorder.LogOf("StartEcho"), Calls{"StartEcho(750)"});
    settings.EffectEnabled[kEffectEcho] = 0;
    ApplyEffects(settings, system.effects);
    EXPECT_EQ(system.recorder.CountOf("StopEcho"), 1);
}

TEST_F(EffectChainTest, TheBalanceSwitchOffSendsTheCentre) {
    settings.PanPosition = 30;
    ApplyPan(settings, system.sound);
    settings.PanEnable = 1;
    ApplyPan(settings, system.sound);
    EXPECT_EQ(system.recorder.LogOf("FSOUND_SetPan"),
              (Calls{"FSOUND_SetPan(-1000, 128)", "FSOUND_SetPan(-1000, 30)"}));
}

TEST_F(EffectChainTest, TheBalanceMenuSetsLeftCentreRightAndSaves) {
    for (const auto& [index, expected] :
         std::vector<std::pair<int, int>>{{0, 0}, {1, 128}, {2, 255}}) {
        settings.PanEnable = 0;
        SelectBalance(settings, host, index);
        EXPECT_EQ(settings.PanPosition, expected);
        EXPECT_EQ(settings.PanEnable, 1);
    }
    EXPECT_EQ(host.calls.size(), 6u);
    EXPECT_EQ(host.calls[0], "RedrawBalanceBar");
    EXPECT_EQ(host.calls[1], "SaveSettings");
}

TEST_F(EffectChainTest, RateSlidersStoreTheScaleAndRedrawThePitchBar) {
    EXPECT_EQ(MoveRateSlider(settings, host, RateControl::Frequency, 125), "Scale : 125%");
    EXPECT_FLOAT_EQ(settings.FrequencyScale, 1.25f);
    EXPECT_EQ(MoveRateSlider(settings, host, RateControl::Pitch, 50), "Scale : 50%");
    EXPECT_FLOAT_EQ(settings.PitchScale, 0.5f);
    MoveRateSlider(settings, host, RateControl::SoundStretch, 200);
    EXPECT_FLOAT_EQ(settings.SoundStretchScale, 2.0f);
    EXPECT_EQ(host.calls, (Calls{"RedrawPitchBar", "ApplySoundControls", "RedrawPitchBar",
                                 "ApplySoundControls", "RedrawPitchBar", "ApplySoundControls"}));
}

TEST_F(EffectChainTest, RateSwitchesStoreTheirTickAndApply) {
    SetRateSwitch(settings, host, RateControl::SoundStretch, true);
    SetRateSwitch(settings, host, RateControl::Pitch, true);
    SetRateSwitch(settings, host, RateControl::Pitch, false);
    EXPECT_EQ(settings.SoundStretchEnable, 1);
    EXPECT_EQ(settings.PitchEnable, 0);
    EXPECT_EQ(host.calls.size(), 3u);
    settings.PanPosition = 200;
    SetBalanceSwitch(settings, host, system.sound, true);
    EXPECT_EQ(system.recorder.LogOf("FSOUND_SetPan"), Calls{"FSOUND_SetPan(-1000, 200)"});
    EXPECT_EQ(host.calls.back(), "ApplySoundControls");
}

TEST_F(EffectChainTest, BalanceLabelsNameTheSideAndDistance) {
    EXPECT_EQ(BalanceLabel(128), "Balance : Center");
    EXPECT_EQ(BalanceLabel(100), "Balance : Left28");
    EXPECT_EQ(BalanceLabel(255), "Balance : Right127");
    EXPECT_EQ(MoveBalanceSlider(settings, host, 0), "Balance : Left128");
    EXPECT_EQ(settings.PanPosition, 0);
    EXPECT_EQ(host.calls, Calls{"RedrawBalanceBar"});
}

TEST_F(EffectChainTest, TheEffectPageStoresEachTickAndSaves) {
    ApplyEffectSwitches(settings, host, {true, false, true, false, true});
    EXPECT_EQ(settings.EffectEnabled, (std::array<std::int32_t, kEffectCount>{1, 0, 1, 0, 1}));
    EXPECT_EQ(host.calls, Calls{"SaveSettings"});
    MoveEffectSlider(settings, EffectSlider::CutOff, 300);
    MoveEffectSlider(settings, EffectSlider::Resonance, 4);
    EXPECT_EQ(settings.CutOffLevel, 300);
    EXPECT_EQ(settings.ResonanceLevel, 4);
}

TEST_F(EffectChainTest, EqualiserPresetsSaveAndOpenThroughTheirDialogs) {
    test::FakeFileDialogs dialogs;
    test::FakeMessageBoxes messages;
    test::TempDir dir;
    EqualizerLevels levels;
    levels.bands = {3.0f, 0.0f, -2.0f, 0.0f, 0.0f, 5.0f, 0.0f, 0.0f, 0.0f, -12.0f};
    levels.preamp = -3.0f;
    dialogs.saveResult = dir.File("mine.dvc");
    SaveEqualizerPreset(dialogs, messages, levels);
    dialogs.openResult = {dir.File("mine.dvc")};
    EXPECT_EQ(OpenEqualizerPreset(dialogs, messages), levels);
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[0].kind, "save");
    EXPECT_EQ(dialogs.asked[0].title, "イコライザーコンフィグファイルを保存する");
    EXPECT_EQ(dialogs.asked[0].filter, "EqualizerConfigFile (*.dvc)|*.dvc|");
    EXPECT_EQ(dialogs.asked[1].kind, "open");
    EXPECT_EQ(dialogs.asked[1].title, "イコライザーコンフィグファイルを開く");
    EXPECT_TRUE(messages.shown.empty());

    dialogs.openResult = {};
    EXPECT_EQ(OpenEqualizerPreset(dialogs, messages), std::nullopt) << "cancelled";
    dialogs.openResult = {dir.Write("foreign.dvc", "<EnableEqualizer>\r\n 1 \r\n")};
    EXPECT_EQ(OpenEqualizerPreset(dialogs, messages), std::nullopt);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("Not an equalizer preset"), std::string::npos);
    EXPECT_TRUE(system.recorder.calls.empty());
}

} // namespace
} // namespace vantor
