// Start-up and the second start as a user meets them: what the player plays,
// where its windows appear and what it keeps, through the real player.
#include "app/PlayerHarness.h"

#include "shell/TrayBehaviour.h"
#include "support/ToneMeasure.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace vantor::test {
namespace {

// A first start, with the playlist window opened from the menu.
class BothWindowsTest : public ::testing::Test {
protected:
    BothWindowsTest() { harness.ChooseMenuItem("Mnu_PlayListWindow"); }

    PlayerHarness harness;
    Player& player = harness.Start();
    QWidget& main = player.mainWindow.Widget();
    QWidget& list = player.playlistWindowBridge.Widget();
};

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
TEST_F(BothWindowsTest, WithoutANotificationAreaTheTrayIsAPlainMinimiseAndRestore) {
    player.settings.ShowInSystemTask = 1;
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

TEST_F(BothWindowsTest, ThePlaylistHidesWithTheMinimisedMainWindowAndComesBackWithIt) {
    ASSERT_TRUE(list.isVisible());

    harness.ClickMainButton(MainButton::Minimize);
    QApplication::processEvents();
    EXPECT_TRUE(main.isMinimized());
    EXPECT_FALSE(list.isVisible());
    main.showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(list.isVisible());

    // A playlist closed before stays closed.
    harness.ChooseMenuItem("Mnu_PlayListWindow");
    ASSERT_FALSE(list.isVisible());
    main.showMinimized();
    QApplication::processEvents();
    main.showNormal();
    QApplication::processEvents();
    EXPECT_FALSE(list.isVisible());
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
}

QImage Pixels(const QIcon& icon, int size) {
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The windows, the task bar and the tray show the program's own icon, also
// when the player runs from its build folder; the windows get it a moment
// after they appear.
TEST_F(BothWindowsTest, TheWindowsAndTheTrayShowTheProgramsIcon) {
    const QImage shipped =
        QImage(QStringLiteral(VANTOR_ICON_FOLDER "hicolor/48x48/apps/vantor.png"))
            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shipped.size(), QSize(48, 48));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !main.windowIcon().isNull(); }, 2000));
    EXPECT_TRUE(Pixels(main.windowIcon(), 48) == shipped) << "the main window";
    EXPECT_TRUE(Pixels(list.windowIcon(), 48) == shipped) << "the playlist window";

    // Offscreen Qt has no notification area; this is what minimising into
    // one adds there.
    ASSERT_TRUE(player.shell.TrayIcon().isNull());
    AddTrayIcon(player.shell);
    EXPECT_TRUE(Pixels(player.shell.TrayIcon(), 48) == shipped) << "the tray";
}

QRect WorkArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// On a first start the playlist sits docked below the main window, both on
// the screen; from then on the positions the user left rule.
TEST_F(BothWindowsTest, AFirstStartDocksThePlaylistBelowTheMainWindowAndLaterStartsKeepItsPlace) {
    const SkinPoint first = player.skin.linkPoints[0];
    ASSERT_GT(first.y, 0) << "the skin links the playlist below the main window";
    EXPECT_EQ(list.pos(), main.pos() + QPoint(first.x, first.y));
    EXPECT_NEAR(main.x(), WorkArea().left() + (WorkArea().width() - main.width()) / 2, 1);
    EXPECT_TRUE(WorkArea().contains(main.geometry().united(list.geometry())));

    // Docked: dragging the main window takes the playlist along.
    harness.DragMain(QPoint(2, 2), {QPoint(12, 7), QPoint(22, 12)});
    EXPECT_EQ(list.pos(), main.pos() + QPoint(first.x, first.y));

    // Dragged away, it stays where the user left it.
    harness.DragPlaylist(QPoint(5, 5), {QPoint(105, -95)});
    const QPoint mainAt = main.pos();
    const QPoint listAt = list.pos();
    ASSERT_EQ(listAt, mainAt + QPoint(first.x + 100, first.y - 100));
    harness.Restart();
    EXPECT_EQ(harness.player().mainWindow.Widget().pos(), mainAt);
    EXPECT_EQ(harness.player().playlistWindowBridge.Widget().pos(), listAt);
}

// The screen shrank or the scale grew since the windows were saved.
TEST(StartupWiring, WindowsSavedOffTheScreenComeBackOntoTheWorkArea) {
    PlayerHarness harness;
    Player& player = harness.Start();
    harness.ChooseMenuItem("Mnu_PlayListWindow");
    player.settings.PlayListLinkMode = 0;
    player.mainWindow.Widget().move(WorkArea().right() + 900, WorkArea().bottom() + 700);
    player.playlistWindowBridge.Widget().move(WorkArea().left() - 2000, WorkArea().top() + 10);
    Player& unlinked = harness.Restart();
    EXPECT_TRUE(WorkArea().contains(unlinked.mainWindow.Widget().geometry()));
    const QRect list = unlinked.playlistWindowBridge.Widget().geometry();
    EXPECT_TRUE(WorkArea().contains(list));
    EXPECT_EQ(list.top(), WorkArea().top() + 10) << "moved only as far as needed";

    // A docked playlist goes along with the main window.
    unlinked.settings.PlayListLinkMode = 1;
    unlinked.settings.PlayListLinkX = 0;
    unlinked.settings.PlayListLinkY = unlinked.mainWindow.Widget().height();
    unlinked.mainWindow.Widget().move(WorkArea().left() - 500, WorkArea().bottom() + 300);
    unlinked.playlistWindowBridge.Widget().move(unlinked.mainWindow.Widget().pos() +
                                                QPoint(0, unlinked.mainWindow.Widget().height()));
    Player& linked = harness.Restart();
    const QRect main = linked.mainWindow.Widget().geometry();
    EXPECT_TRUE(WorkArea().contains(main.united(linked.playlistWindowBridge.Widget().geometry())));
    EXPECT_EQ(linked.playlistWindowBridge.Widget().pos(), main.bottomLeft() + QPoint(0, 1));
}

} // namespace
} // namespace vantor::test
