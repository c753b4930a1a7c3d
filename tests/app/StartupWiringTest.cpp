// Start-up and the second start as a user meets them: what the player plays,
// where its windows appear and what it keeps, through the real player.
#include "app/PlayerHarness.h"

#include "shell/TrayBehaviour.h"
#include "support/ToneMeasure.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>

namespace vantor::test {
namespace {

TEST(StartupWiring, ASavedLeftBalancePlaysLeftFromTheFirstNoteAfterAStart) {
    PlayerHarness harness;
    harness.Start();
    harness.ChooseMenuItem("Mnu_Balance", 0);
    ASSERT_EQ(harness.StoredSetting("<PanPosition 0..255>"), " 0 ");
    const std::string tone = harness.WriteTone("tone.wav");
    harness.Restart({tone});
    const auto heard = harness.Listen(0.5);
    const double left = ChannelRms(heard, 0);
    ASSERT_GT(left, 0.1) << "the tone does not play";
    EXPECT_LT(ChannelRms(heard, 1), left * 0.05);
}

bool Sounds(PlayerHarness& harness) {
    return ChannelRms(harness.Listen(0.3), 0) > 0.1;
}

std::vector<std::string> ListedPaths(const Player& player) {
    std::vector<std::string> paths;
    for (std::int32_t i = 0; i < player.playlist.EntryCount(); ++i)
        paths.push_back(player.playlist.Playlist[static_cast<std::size_t>(i)].Path);
    return paths;
}

// A later start hands its arguments over; what names nothing to play must
// not cost the running player its list or its sound.
TEST(StartupWiring, AHandOverOfNothingPlayableKeepsTheListPlayingAndNamesWhatWasLeftOut) {
    PlayerHarness harness;
    Player& player = harness.Start();
    const std::string tone = harness.WriteTone("tone.wav", 440.0, 5.0);
    ASSERT_TRUE(player.ReceiveHandOver("\"" + tone + "\""));
    ASSERT_TRUE(Sounds(harness));

    const std::string mistyped = harness.Dir().Path() + "tnoe.wav";
    const std::vector<std::pair<std::string, std::string>> handOvers{
        {"\"--help\"", "--help"},
        {"\"" + mistyped + "\"", mistyped},
        {"/add \"" + mistyped + "\"", mistyped}};
    for (const auto& [handed, named] : handOvers) {
        harness.ForgetMessages();
        EXPECT_TRUE(player.ReceiveHandOver(handed));
        QApplication::processEvents();
        EXPECT_EQ(ListedPaths(player), std::vector<std::string>{tone}) << handed;
        EXPECT_TRUE(Sounds(harness)) << handed;
        ASSERT_EQ(harness.Messages().size(), 1u) << handed;
        EXPECT_NE(harness.Messages()[0].text.find(named), std::string::npos) << handed;
    }

    // What can be played is taken, what cannot is named.
    const std::string second = harness.WriteTone("second.wav");
    harness.ForgetMessages();
    player.ReceiveHandOver("/add \"" + mistyped + "\" \"" + second + "\"");
    QApplication::processEvents();
    EXPECT_EQ(ListedPaths(player), (std::vector<std::string>{tone, second}));
    EXPECT_EQ(harness.Messages().size(), 1u);
}

TEST(StartupWiring, AStartWithNothingPlayableBringsTheSavedListBackAndKeepsIt) {
    PlayerHarness harness;
    Player& first = harness.Start();
    const std::string tone = harness.WriteTone("tone.wav");
    first.ReceiveHandOver("\"" + tone + "\"");

    const std::string mistyped = harness.Dir().Path() + "tnoe.wav";
    Player& second = harness.Restart({mistyped});
    EXPECT_EQ(ListedPaths(second), std::vector<std::string>{tone});
    ASSERT_EQ(harness.Messages().size(), 1u);
    EXPECT_NE(harness.Messages()[0].text.find(mistyped), std::string::npos);

    Player& third = harness.Restart();
    EXPECT_EQ(ListedPaths(third), std::vector<std::string>{tone});
}

// Offscreen Qt has no notification area, like a desktop without one: going
// into the tray becomes a plain minimise, from which the task bar restores.
TEST(StartupWiring, WithoutANotificationAreaTheTrayIsAPlainMinimiseAndRestore) {
    PlayerHarness harness;
    Player& player = harness.Start();
    player.settings.ShowInSystemTask = 1;
    QWidget& main = player.mainWindow.Widget();
    QWidget& list = player.playlistWindowBridge.Widget();
    harness.ChooseMenuItem("Mnu_PlayListWindow");
    ASSERT_TRUE(list.isVisible());

    const std::vector<std::pair<std::string, std::function<void()>>> minimisers{
        {"the skin's minimise button", [&] { harness.ClickMainButton(MainButton::Minimize); }},
        {"the desktop's minimise", [&] { main.showMinimized(); }}};
    for (const auto& [how, minimise] : minimisers) {
        minimise();
        QApplication::processEvents();
        EXPECT_TRUE(main.isVisible()) << how;
        EXPECT_TRUE(main.isMinimized()) << how;
        EXPECT_FALSE(main.windowFlags().testFlag(Qt::Tool)) << how << ": off the task bar";
        main.showNormal();
        QApplication::processEvents();
        EXPECT_TRUE(list.isVisible()) << how;
        EXPECT_EQ(player.settings.MainWindowVisible, 1) << how;
    }

    // A start minimised into the tray is a minimised start that restores.
    main.showMinimized();
    QApplication::processEvents();
    Player& again = harness.Restart();
    QWidget& restarted = again.mainWindow.Widget();
    EXPECT_TRUE(restarted.isVisible());
    EXPECT_TRUE(restarted.isMinimized());
    EXPECT_FALSE(restarted.windowFlags().testFlag(Qt::Tool));
    restarted.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(again.settings.MainWindowVisible, 1);
    EXPECT_TRUE(again.playlistWindowBridge.Widget().isVisible());
}

// Where there is a tray, the desktop's minimise leaves the window minimised
// when it goes in; a click on the icon must bring it back onto the screen.
TEST(StartupWiring, AClickOnTheTrayIconBringsAMinimisedWindowBackOntoTheScreen) {
    PlayerHarness harness;
    Player& player = harness.Start();
    QWidget& main = player.mainWindow.Widget();
    main.showMinimized();
    player.shell.ShowWindow(PlayerWindow::Main, false);
    HandleTrayEvent(player.settings, player.shell, kTrayLeftButtonUp);
    QApplication::processEvents();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(main.isMinimized());
    EXPECT_EQ(player.settings.MainWindowVisible, 1);
    EXPECT_FALSE(main.windowIcon().isNull()) << "the tray icon would show nothing";
}

} // namespace
} // namespace vantor::test
