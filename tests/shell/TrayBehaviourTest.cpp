#include "shell/TrayBehaviour.h"
#include "support/FakeShellWindows.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using Calls = std::vector<std::string>;

class TrayBehaviourTest : public ::testing::Test {
protected:
    test::FakeShellWindows windows;
    Settings settings;
};

TEST_F(TrayBehaviourTest, MinimisingHidesBothWindowsIntoTheTray) {
    windows.visible[PlayerWindow::Playlist] = true;
    EXPECT_TRUE(MinimiseToTray(settings, windows));
    EXPECT_EQ(settings.PlayListVisible, 1);
    EXPECT_EQ(windows.calls, (Calls{"ShowWindow(Main, false)", "ShowWindow(Playlist, false)",
                                    "NotifyIcon(0)", "SetTaskbarVisible(false)"}));
    ASSERT_EQ(windows.icons.size(), 1u);
    EXPECT_EQ(windows.icons[0].icon, TrayIconData{});
    EXPECT_EQ(windows.icons[0].icon.size, 88);
    EXPECT_EQ(windows.icons[0].icon.flags, 7);
    EXPECT_EQ(windows.icons[0].icon.callbackMessage, 512);
    EXPECT_EQ(windows.icons[0].icon.tip, "Vantor");
}

TEST_F(TrayBehaviourTest, WithoutTheTraySettingMinimisingKeepsTheTaskBarButton) {
    MinimiseMainWindow(settings, windows);
    EXPECT_EQ(windows.calls, Calls{"SetMainWindowMinimised(true)"});
    EXPECT_TRUE(windows.icons.empty());
    settings.ShowInSystemTask = 1;
    MinimiseMainWindow(settings, windows);
    EXPECT_EQ(windows.icons.size(), 1u);
}

TEST_F(TrayBehaviourTest, WithoutANotificationAreaMinimisingIsPlain) {
    windows.notificationArea = false;
    windows.visible[PlayerWindow::Playlist] = true;
    EXPECT_FALSE(MinimiseToTray(settings, windows));
    EXPECT_EQ(windows.calls, Calls{"SetMainWindowMinimised(true)"});
    EXPECT_TRUE(windows.IsWindowVisible(PlayerWindow::Playlist));
}

TEST_F(TrayBehaviourTest, ALeftClickRestoresAndRemovesTheIcon) {
    for (const int code : {kTrayLeftButtonUp, kTrayLeftDoubleClick}) {
        test::FakeShellWindows local;
        settings.PlayListVisible = 1;
        settings.MainWindowVisible = 0;
        HandleTrayEvent(settings, local, code);
        EXPECT_EQ(settings.MainWindowVisible, 1);
        EXPECT_EQ(local.calls,
                  (Calls{"ShowWindow(Main, true)", "ShowWindow(Playlist, true)",
                         "SetForegroundWindow(Main)", "SetTaskbarVisible(true)", "NotifyIcon(2)"}));
        EXPECT_EQ(local.icons[0].icon.id, 1);
        EXPECT_EQ(local.icons[0].icon.tip, "");
    }
}

TEST_F(TrayBehaviourTest, RestoringLeavesAPlaylistThatWasHiddenHidden) {
    windows.visible[PlayerWindow::Playlist] = false;
    MinimiseToTray(settings, windows);
    windows.calls.clear();
    HandleTrayEvent(settings, windows, kTrayLeftButtonUp);
    EXPECT_FALSE(windows.IsWindowVisible(PlayerWindow::Playlist));
    EXPECT_TRUE(windows.IsWindowVisible(PlayerWindow::Main));
}

TEST_F(TrayBehaviourTest, ARightPressOpensTheMenuWithoutRestoring) {
    HandleTrayEvent(settings, windows, kTrayRightButtonDown);
    EXPECT_EQ(windows.calls, (Calls{"SetForegroundWindow(Main)", "ShowMainPopupMenuAtPointer"}));
    EXPECT_EQ(settings.MainWindowVisible, 0);
}

TEST_F(TrayBehaviourTest, OtherCodesDoNothing) {
    for (const int code : {512, 513, 517, 0, -1})
        HandleTrayEvent(settings, windows, code);
    EXPECT_TRUE(windows.calls.empty());
}

TEST_F(TrayBehaviourTest, AlwaysOnTopRaisesAndReleasesBothWindows) {
    ToggleAlwaysOnTop(settings, windows);
    EXPECT_EQ(settings.AlwaysOnTop, 1);
    ToggleAlwaysOnTop(settings, windows);
    EXPECT_EQ(settings.AlwaysOnTop, 0);
    EXPECT_EQ(windows.calls, (Calls{"SetWindowPos(Main, -1, 3)", "SetWindowPos(Playlist, -1, 3)",
                                    "SetWindowPos(Main, -2, 3)", "SetWindowPos(Playlist, -2, 3)"}));
}

} // namespace
} // namespace vantor
