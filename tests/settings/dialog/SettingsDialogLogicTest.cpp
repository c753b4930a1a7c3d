#include "settings/dialog/SettingsDialogLogic.h"

#include "settings/dialog/AudioOutputChoices.h"
#include "support/FakeFileAssociations.h"
#include "support/FakeMessageBoxes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantor {
namespace {

using test::FakeFileAssociations;
using test::FakeMessageBoxes;
using test::ShownMessage;

class RecordingDialogHost : public SettingsDialogHost {
public:
    explicit RecordingDialogHost(const Settings& settings) : m_settings(settings) {}

    std::vector<std::string> DriverNames(std::int32_t) override { return {"Default device"}; }
    void SetStreamBufferSize(std::int32_t milliseconds) override {
        events.push_back("buffer " + std::to_string(milliseconds));
    }
    void ApplyChangedSettings(const Settings& before) override {
        events.emplace_back("apply changes");
        previous = before;
    }
    void SaveSettings() override {
        events.emplace_back("save");
        saved.push_back(m_settings);
    }
    ReplayGainChoice ReplayGainNow() const override { return {}; }
    void SetReplayGain(const ReplayGainChoice&) override {}
    void Restart() override { events.emplace_back("restart"); }
    void TrimWorkingSet() override { events.emplace_back("trim"); }

    std::vector<std::string> events;
    std::vector<Settings> saved;
    Settings previous;

private:
    const Settings& m_settings;
};

class SettingsDialogLogicTest : public ::testing::Test {
protected:
    SettingsDialogLogicTest() : settings(DefaultSettings("/app/", {})), host(settings) {
        ApplySettingsFixups(settings, "/app/");
        desktop.associated = {".MP3"};
        form = logic.Open();
    }

    Settings settings;
    RecordingDialogHost host;
    FakeMessageBoxes messages;
    FakeFileAssociations desktop;
    SettingsDialogLogic logic{settings, host, messages, &desktop};
    SettingsForm form;
};

TEST_F(SettingsDialogLogicTest, OpeningShowsTheSettingsAndTheDesktopsAssociations) {
    EXPECT_EQ(form.oscilloscopeWidth, "1");
    EXPECT_EQ(form.bufferLength, "1000");
    EXPECT_EQ(form.songInfoStyle, "%1 - %2");
    EXPECT_EQ(form.outputIndex, 1);
    EXPECT_EQ(form.mixerIndex, 0);
    EXPECT_EQ(form.rateIndex, 1); // 44100 Hz
    EXPECT_TRUE(form.loop);
    EXPECT_EQ(std::count(form.associations.begin(), form.associations.end(), true), 1);
}

TEST_F(SettingsDialogLogicTest, OscilloscopeWidthZeroIsRefusedAndNothingIsSaved) {
    const Settings before = settings;
    form.oscilloscopeWidth = "0";
    form.loop = false;
    EXPECT_FALSE(logic.Press(DialogButton::Ok, form)) << "the dialog stays open";
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (ShownMessage{"オシロスコープの描画幅は1未満に設定できません。",
                                               "設定エラー", MessageIcon::Exclamation}));
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(settings, before);
}

TEST_F(SettingsDialogLogicTest, BufferOfFiftyIsRefusedAndFiftyOneTaken) {
    form.bufferLength = "50";
    form.playListStyle = "%2";
    EXPECT_FALSE(logic.Press(DialogButton::Apply, form));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (ShownMessage{"バッファーサイズは50ms以下は設定できません。",
                                               "設定エラー", MessageIcon::Exclamation}));
    EXPECT_TRUE(host.saved.empty());
    EXPECT_EQ(settings.BufferLength, 1000);
    // The pages taken before the check stay changed in memory.
    EXPECT_EQ(settings.PlayListStyle, "%2");

    form.bufferLength = "51";
    EXPECT_FALSE(logic.Press(DialogButton::Apply, form)) << "no restart, so Apply keeps it open";
    EXPECT_EQ(messages.shown.size(), 1u);
    ASSERT_EQ(host.saved.size(), 1u);
    EXPECT_EQ(host.saved[0].BufferLength, 51);
    // The style the refused apply took still takes effect now.
    EXPECT_EQ(host.previous.PlayListStyle, "%1 - %2");
}

TEST_F(SettingsDialogLogicTest, StepsRunInOrderAndTheChangesSeeTheSettingsBefore) {
    form.analyzerPriority = "45";
    form.associations.fill(false);
    ASSERT_TRUE(logic.Press(DialogButton::Ok, form));
    EXPECT_EQ(host.events, (std::vector<std::string>{"buffer 1000", "apply changes", "save"}));
    EXPECT_EQ(host.previous.AnalyzerPriority, 30);
    EXPECT_EQ(host.saved[0].AnalyzerPriority, 45);
    // The associations were applied before the changes took effect.
    EXPECT_TRUE(desktop.associated.empty());
    EXPECT_EQ(desktop.calls.back(), "NotifyChanged");
}

TEST_F(SettingsDialogLogicTest, OnlyTheMixerChangedClosesOnApplyAndRestarts) {
    form.mixerIndex = 2;
    EXPECT_TRUE(logic.Press(DialogButton::Apply, form));
    EXPECT_TRUE(logic.RestartMarked());
    EXPECT_EQ(settings.MixerType, 6);
    ASSERT_EQ(host.saved.size(), 1u);
    EXPECT_EQ(host.saved[0].MixerType, 6);
    host.events.clear();
    logic.Close();
    EXPECT_EQ(host.events, (std::vector<std::string>{"restart", "trim"}));
}

TEST_F(SettingsDialogLogicTest, EveryAudioOutputControlAsksForARestart) {
    const auto marks = [this](auto change) {
        SettingsDialogLogic fresh(settings, host, messages, &desktop);
        SettingsForm changed = fresh.Open();
        change(changed);
        fresh.Press(DialogButton::Ok, changed);
        return fresh.RestartMarked();
    };
    EXPECT_TRUE(marks([](SettingsForm& f) { f.outputIndex = 2; }));
    EXPECT_TRUE(marks([](SettingsForm& f) { f.driverIndex = 1; }));
    EXPECT_TRUE(marks([](SettingsForm& f) { f.rateIndex = 0; }));
    EXPECT_TRUE(marks([](SettingsForm& f) { f.globalFocus = true; }));
    EXPECT_TRUE(marks([](SettingsForm& f) { f.forceSoftwareMidi = true; }));
    EXPECT_FALSE(marks([](SettingsForm& f) { f.bufferLength = "2000"; }));
    EXPECT_EQ(settings.OutputType, 2);
    EXPECT_EQ(settings.OutputRate, 48000);
}

TEST_F(SettingsDialogLogicTest, OnlyAColourChangedKeepsTheDialogOpenWithoutRestart) {
    form.oscilloscopeColor = 0x0000FF;
    EXPECT_FALSE(logic.Press(DialogButton::Apply, form));
    EXPECT_FALSE(logic.RestartMarked());
    ASSERT_EQ(host.saved.size(), 1u);
    EXPECT_EQ(host.saved[0].OscilloscopeColor, 0x0000FF);
    host.events.clear();
    logic.Close();
    EXPECT_EQ(host.events, (std::vector<std::string>{"trim"}));
}

TEST_F(SettingsDialogLogicTest, CancelClosesWithoutTakingAnything) {
    const Settings before = settings;
    form.songInfoStyle = "%3";
    EXPECT_TRUE(logic.Press(DialogButton::Cancel, form));
    EXPECT_EQ(settings, before);
    EXPECT_TRUE(host.events.empty());
}

TEST_F(SettingsDialogLogicTest, BoxesTakeTheNumberTheirTextBeginsWith) {
    form.wheelScrollValue = "";
    form.getTagInterval = "120ms";
    form.gapLength = " 2.5";
    ASSERT_TRUE(logic.Press(DialogButton::Ok, form));
    EXPECT_EQ(settings.WheelScrollValue, 0);
    EXPECT_EQ(settings.GetTagInterval, 120);
    EXPECT_EQ(settings.GapLength, 2); // halves round to even
}

TEST_F(SettingsDialogLogicTest, ANumberTooLargeForItsFieldShowsTheHandlersError) {
    form.wheelScrollValue = "99999999999";
    EXPECT_FALSE(logic.Press(DialogButton::Ok, form));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error : ConfigSet");
    EXPECT_TRUE(host.saved.empty());
}

TEST_F(SettingsDialogLogicTest, AnOutputTheListDoesNotOfferIsKeptWithoutRestart) {
    settings.OutputType = 7;
    settings.MixerType = 0;
    SettingsDialogLogic fresh(settings, host, messages, &desktop);
    SettingsForm shown = fresh.Open();
    EXPECT_EQ(shown.outputIndex, -1);
    EXPECT_EQ(shown.mixerIndex, -1);
    fresh.Press(DialogButton::Ok, shown);
    EXPECT_FALSE(fresh.RestartMarked());
    EXPECT_EQ(settings.OutputType, 7);
    EXPECT_EQ(settings.MixerType, 0);
}

TEST_F(SettingsDialogLogicTest, WithoutAFileTypeDatabaseTheListIsLeftAlone) {
    SettingsDialogLogic fresh(settings, host, messages, nullptr);
    SettingsForm shown = fresh.Open();
    EXPECT_EQ(std::count(shown.associations.begin(), shown.associations.end(), true), 0);
    EXPECT_TRUE(fresh.Press(DialogButton::Ok, shown));
    EXPECT_TRUE(desktop.calls.empty());
}

} // namespace
} // namespace vantor
