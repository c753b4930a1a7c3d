#include "core/MainCommands.h"
#include "RecordingCommandHost.h"
#include "core/MainMenu.h"
#include "core/TrackControl.h"
#include "core/TrackOpening.h"
#include "core/VolumeAnimation.h"
#include "support/FakeShellWindows.h"
#include "support/PlaybackHarness.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using Calls = std::vector<std::string>;

class MainCommandsTest : public ::testing::Test {
protected:
    void Run(MainCommand command, std::int32_t index = 0) {
        RunMainCommand(ctx, CommandRequest{command, index});
    }
    void RunMenu(std::string_view name, std::int32_t index = -1) {
        const auto request = CommandForMenuItem(name, index);
        ASSERT_TRUE(request) << name;
        RunMainCommand(ctx, *request);
    }
    test::PlaybackHarness h;
    test::RecordingCommandHost host;
    test::FakeShellWindows windows;
    CommandContext ctx{h.ctx, host, windows};
};

TEST(MainMenuTest, TheTreeHoldsTheCaptionsAndShortcutLetters) {
    const MenuItem& menu = MainPopupMenu();
    EXPECT_EQ(menu.name, "Mnu_pop");
    EXPECT_EQ(menu.children[0].name, "Mnu_File_Root");
    EXPECT_EQ(menu.children[0].caption, "ファイル(&F)");
    EXPECT_EQ(menu.children[1].kind, MenuItemKind::Separator);
    const MenuItem* next = FindMenuItem(menu, "Mnu_Play", 4);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->caption, "次の曲へ(&N)");
    EXPECT_EQ(next->shortcut, 'B');
    const MenuItem* nonStop = FindMenuItem(menu, "Mnu_NonStop");
    ASSERT_NE(nonStop, nullptr);
    EXPECT_EQ(nonStop->caption, "Non-Stop MegaMix Mode(&N)");
    EXPECT_EQ(nonStop->kind, MenuItemKind::Check);
    EXPECT_EQ(FindMenuItem(menu, "Mnu_Volume", 1)->caption, "75%");
    EXPECT_EQ(FindMenuItem(menu, "Mnu_Pitch", 2)->caption, "×1.25");
    EXPECT_EQ(FindMenuItem(menu, "Mnu_Balance", 2)->caption, "右(&R)");
    EXPECT_EQ(FindMenuItem(menu, "Mnu_Analyzer_Patturn", 12)->caption, "13");
    EXPECT_EQ(FindMenuItem(menu, "Mnu_Analyzer_Patturn", 12)->kind, MenuItemKind::Radio);
    EXPECT_EQ(FindMenuItem(menu, "Mnu_Analyzer_Patturn", 13), nullptr);
    EXPECT_EQ(menu.children.back().name, "Mnu_End");
    EXPECT_EQ(FindMenuItem(AnalyzerPopupMenu(), "Mnu_LevAmp")->caption, "レベル増幅を有効にする");
    EXPECT_EQ(FindMenuItem(SongInfoPopupMenu(), "Mnu_ChFont")->caption, "フォントを変更する(&F)");
}

TEST(MainMenuTest, EveryItemWithANameHasACommandExceptTheTagWindow) {
    std::vector<const MenuItem*> pending{&MainPopupMenu()};
    int commands = 0;
    while (!pending.empty()) {
        const MenuItem* item = pending.back();
        pending.pop_back();
        for (const MenuItem& child : item->children)
            pending.push_back(&child);
        if (item->kind == MenuItemKind::Submenu || item->kind == MenuItemKind::Separator)
            continue;
        const bool has = CommandForMenuItem(item->name, item->index).has_value();
        EXPECT_EQ(has, item->name != "Mnu_TagWindow") << item->name;
        commands += has ? 1 : 0;
    }
    EXPECT_EQ(commands, 54);
}

TEST(MainKeysTest, KeysWithAndWithoutCtrl) {
    EXPECT_EQ(CommandForKey('Q', true), (CommandRequest{MainCommand::Quit, 0}));
    EXPECT_FALSE(CommandForKey('Q', false));
    EXPECT_EQ(CommandForKey('C', false)->command, MainCommand::Pause);
    EXPECT_EQ(CommandForKey('C', true)->command, MainCommand::Config);
    EXPECT_EQ(CommandForKey('B', true)->command, MainCommand::SkinBrowser);
    EXPECT_EQ(CommandForKey('B', false)->command, MainCommand::Next);
    EXPECT_EQ(CommandForKey('L', true)->command, MainCommand::FileNew);
    EXPECT_EQ(CommandForKey('L', false)->command, MainCommand::Loop);
    EXPECT_EQ(CommandForKey('S', false)->command, MainCommand::SkinFile);
    EXPECT_FALSE(CommandForKey('X', true));
    EXPECT_FALSE(CommandForKey('A', false));
    EXPECT_FALSE(CommandForKey('1', false));
}

TEST_F(MainCommandsTest, CtrlQEndsThePlayerThroughTheMainWindowAndEndExitsDirectly) {
    RunMainCommand(ctx, *CommandForKey('Q', true));
    RunMenu("Mnu_End");
    EXPECT_EQ(host.calls, (Calls{"UnloadMainWindow", "ExitPlayer(0)"}));
}

TEST_F(MainCommandsTest, MenuValuesAre128ForHalfVolumeAnd255ForRight) {
    const std::vector<std::int32_t> volumes{255, 191, 128, 64, 0};
    for (std::int32_t i = 0; i < 5; ++i) {
        RunMenu("Mnu_Volume", i);
        EXPECT_EQ(h.settings.MasterVolume, volumes[static_cast<std::size_t>(i)]);
    }
    const std::vector<float> scales{0.5f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f};
    for (std::int32_t i = 0; i < 6; ++i) {
        RunMenu("Mnu_Pitch", i);
        EXPECT_FLOAT_EQ(h.settings.SoundStretchScale, scales[static_cast<std::size_t>(i)]);
    }
    RunMenu("Mnu_Balance", 2);
    EXPECT_EQ(h.settings.PanPosition, 255);
    EXPECT_EQ(h.settings.PanEnable, 1);
}

TEST_F(MainCommandsTest, PlayKeysDrivePlayback) {
    h.AddFile("/a.ogg", 1000);
    h.AddFile("/b.ogg", 1000);
    RunMainCommand(ctx, *CommandForKey('X', false));
    EXPECT_TRUE(h.player.slotA.IsPlaying());
    RunMainCommand(ctx, *CommandForKey('B', false));
    EXPECT_EQ(h.player.currentIndex(), 1);
    RunMainCommand(ctx, *CommandForKey('C', false));
    EXPECT_EQ(h.recorder.LogOf("FSOUND_SetPaused").size(), 1u);
    RunMainCommand(ctx, *CommandForKey('V', false));
    EXPECT_FALSE(h.player.AnyPlaying());
    RunMainCommand(ctx, *CommandForKey('Z', false));
    EXPECT_EQ(h.player.currentIndex(), 0);
}

class MixToggleTest : public MainCommandsTest {
protected:
    void SetUp() override {
        for (const char* name : {"/a.ogg", "/b.ogg", "/c.ogg", "/d.ogg"})
            h.AddFile(name, 3000);
        h.settings.NonStopMegaMix = 1;
        h.settings.GapLength = 500;
        OpenTrack(h.ctx, 0);
        PlayTrack(h.ctx);
    }
};

TEST_F(MixToggleTest, TurningTheMixOffWhileSlotBSoundsKeepsItPlaying) {
    h.RunUntil(2600);
    ASSERT_EQ(h.player.activeSlot, kMixSlotBSounding);
    const PlaybackSlot sounding = h.player.slotB;
    const int stopsBefore = h.recorder.CountOf("FSOUND_Stream_Stop");
    RunMenu("Mnu_NonStop");
    EXPECT_EQ(h.settings.NonStopMegaMix, 0);
    EXPECT_EQ(h.player.activeSlot, kOrdinaryPlayback);
    EXPECT_EQ(h.player.slotA, sounding);
    EXPECT_EQ(h.player.slotB, PlaybackSlot{});
    EXPECT_EQ(h.player.MixTriggered, 0);
    // Only the tail of the finished track is released; b sounds on.
    EXPECT_EQ(h.recorder.CountOf("FSOUND_Stream_Stop"), stopsBefore + 1);
    h.RunUntil(9000);
    const auto spans = h.sound.Spans();
    ASSERT_EQ(h.Heard(), (Calls{"/a.ogg", "/b.ogg", "/c.ogg", "/d.ogg"}));
    EXPECT_EQ(spans[1].startMs, 2500);
    EXPECT_EQ(spans[1].endMs, 5500);
    EXPECT_GE(spans[2].startMs, 5500);
    EXPECT_EQ(h.sound.OpenCount(), 1);
}

TEST_F(MixToggleTest, TurningTheMixOffWhileSlotASoundsReleasesTheWaitingSlot) {
    h.RunUntil(1000);
    RunMenu("Mnu_NonStop");
    EXPECT_TRUE(h.player.slotA.IsPlaying());
    EXPECT_EQ(h.player.slotB.Kind(), TrackKind::None);
    EXPECT_EQ(h.sound.OpenCount(), 1);
    EXPECT_EQ(h.view.calls.back(), "DrawModeButton(NonStop, off)");
}

TEST_F(MixToggleTest, TurningTheMixOnWhileSlotAPlaysPreparesSlotB) {
    h.RunUntil(1000);
    RunMenu("Mnu_NonStop");
    h.player.currentIndex() = 1;
    RunMenu("Mnu_NonStop");
    EXPECT_EQ(h.player.activeSlot, kMixSlotASounding);
    EXPECT_EQ(h.player.slotB.entryIndex, 2);
    EXPECT_EQ(h.player.slotB.Kind(), TrackKind::Stream);
    EXPECT_TRUE(h.player.slotA.IsPlaying());
}

TEST_F(MixToggleTest, TheRandomTogglePreparesTheWaitingSlotAgain) {
    h.RunUntil(1000);
    const PlaybackSlot sounding = h.player.slotA;
    h.random.values = {0.9, 0.9};
    RunMenu("Mnu_Random");
    EXPECT_EQ(h.settings.PlayRandomMode, 1);
    EXPECT_EQ(h.player.slotA, sounding);
    EXPECT_EQ(h.player.slotB.entryIndex, 3);
    EXPECT_EQ(h.player.slotB.Kind(), TrackKind::Stream);
    // The seek bar is left as it is.
    EXPECT_NE(h.view.calls.back(), "ClearSeekFill");
    RunMenu("Mnu_Random");
    EXPECT_EQ(h.player.slotB.entryIndex, 1);
    EXPECT_EQ(h.sound.OpenCount(), 2);
}

TEST_F(MainCommandsTest, WindowCommandsShowHideRaiseAndLink) {
    h.settings.MainWindowVisible = 1;
    RunMenu("Mnu_MainWindow");
    RunMenu("Mnu_PlayListWindow");
    RunMainCommand(ctx, *CommandForKey('O', true));
    EXPECT_EQ(windows.calls, (Calls{"SetMainWindowMinimised(true)", "ShowWindow(Playlist, true)",
                                    "SetWindowPos(Main, -1, 3)", "SetWindowPos(Playlist, -1, 3)"}));
    EXPECT_EQ(host.calls.back(), "SaveSettings");
    windows.positions[PlayerWindow::Main] = {100, 50};
    windows.positions[PlayerWindow::Playlist] = {80, 250};
    RunMenu("Mnu_ListLink");
    EXPECT_EQ(h.settings.PlayListLinkMode, 1);
    EXPECT_EQ(h.settings.PlayListLinkX, -20);
    EXPECT_EQ(h.settings.PlayListLinkY, 200);
    EXPECT_EQ(host.calls.back(), "DrawLinkButton(1)");
}

TEST_F(MainCommandsTest, DialogCommandsOpenTheirPages) {
    RunMenu("Mnu_File_New");
    RunMenu("Mnu_File_Add");
    RunMenu("Mnu_OpenFolder");
    RunMenu("Mnu_AddFolder");
    RunMenu("Mnu_CD");
    RunMenu("Mnu_Config");
    RunMenu("Mnu_ChFont");
    RunMenu("Mnu_SkinB");
    RunMenu("Mnu_Skin");
    RunMenu("Mnu_RedrawList");
    RunMenu("Mnu_About");
    EXPECT_EQ(host.calls,
              (Calls{"AddFiles(1)", "AddFiles(0)", "AddFolder(1)", "AddFolder(2)", "ShowCdWindow",
                     "ShowSettingsDialog(1)", "ShowSettingsDialog(5)", "ShowSettingsDialog(11)",
                     "ShowSkinFileDialog", "RestartTagReader", "ShowAbout"}));
}

TEST(VolumeAnimationTest, StartsAtTheVolumesFrameAndStepsOneFrameATick) {
    VolumeAnimation animation;
    StartVolumeAnimation(animation, 2);
    std::vector<std::int32_t> frames;
    VolumeAnimationStep step;
    do {
        step = StepVolumeAnimation(animation, 255, 10);
        frames.push_back(step.frame);
    } while (step.keepRunning);
    EXPECT_EQ(frames, (std::vector<std::int32_t>{9, 8, 7, 6, 5, 4, 3, 2}));
    StartVolumeAnimation(animation, 5);
    EXPECT_EQ(StepVolumeAnimation(animation, 0, 10).frame, 1);
    EXPECT_EQ(VolumeFrame(128, 10), 5);
    EXPECT_EQ(VolumeFrame(191, 4), 3);
    EXPECT_EQ(FrameVolume(5, 10), 128);
    EXPECT_EQ(FrameVolume(3, 4), 191);
}

} // namespace
} // namespace vantor
