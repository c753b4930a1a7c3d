#include "app/PlayerHarness.h"

#include "gfx/Blit.h"
#include "shell/TrayBehaviour.h"
#include "support/ToneMeasure.h"
#include "ui/SurfaceImage.h"

#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace vantor {
namespace {

// The pixels of a window's picture inside its shape (black elsewhere): a
// display keeps none of a shaped window outside its shape.
QImage InsideShape(const QImage& picture, const QRegion& shape) {
    QImage kept(picture.size(), QImage::Format_RGB32);
    kept.fill(Qt::black);
    QPainter painter(&kept);
    if (!shape.isEmpty())
        painter.setClipRegion(shape);
    painter.drawImage(0, 0, picture);
    return kept;
}

// A player living in a folder of its own, with the shipped skins beside it
// and sound going nowhere.
class PlayerTest : public ::testing::Test {
protected:
    Player* StartPlayer(std::vector<std::string> args = {""}) {
        return &m_harness.Start(std::move(args));
    }

    std::string WriteTone(const std::string& name) { return m_harness.WriteTone(name); }
    const test::TempDir& Dir() const { return m_harness.Dir(); }

    test::PlayerHarness m_harness;
};

TEST_F(PlayerTest, FirstStartCentresTheMainWindowAndExitWritesTheSettings) {
    auto player = StartPlayer();
    QWidget& main = player->mainWindow.Widget();
    ASSERT_TRUE(main.isVisible());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(main.x(), area.left() + (area.width() - main.width()) / 2, 1);
    EXPECT_NEAR(main.y(), area.top() + (area.height() - main.height()) / 2, 1);
    EXPECT_GT(main.width(), 50);
    EXPECT_FALSE(std::filesystem::exists(Dir().File("Vantor.DVC")));
    player->Exit(0);
    EXPECT_TRUE(std::filesystem::exists(Dir().File("Vantor.DVC")));
    EXPECT_TRUE(std::filesystem::exists(Dir().File("Vantor.m3u")));
}

TEST_F(PlayerTest, ExitWithoutSavingWritesNothing) {
    auto player = StartPlayer();
    player->Exit(1);
    EXPECT_FALSE(std::filesystem::exists(Dir().File("Vantor.DVC")));
}

TEST_F(PlayerTest, FilesDroppedOnTheMainWindowOpenAsTheNewList) {
    auto player = StartPlayer();
    const auto first = WriteTone("one.wav");
    const auto second = WriteTone("two.wav");
    player->mainWindow.OnFilesDropped({first, second});
    ASSERT_EQ(player->playlist.EntryCount(), 2);
    EXPECT_EQ(player->playlist.Playlist[0].Path, first);
    player->mainWindow.OnFilesDropped({second});
    EXPECT_EQ(player->playlist.EntryCount(), 1);
    player->Exit(1);
}

// Auto-play is on in a new player: the dropped file sounds at once, and the
// stop command from the pop-up menu silences it.
TEST_F(PlayerTest, ADroppedToneSoundsUntilStopIsChosenFromTheMenu) {
    auto player = StartPlayer();
    player->mainWindow.OnFilesDropped({m_harness.WriteTone("a.wav", 660.0)});
    const auto heard = m_harness.Listen(0.5);
    EXPECT_NEAR(test::ZeroCrossingFrequency(heard, test::kHarnessRate), 660.0, 5.0);
    EXPECT_GT(test::ChannelRms(heard, 1), 0.2);

    m_harness.ChooseMenuItem("Mnu_Play", 3);
    m_harness.Listen(0.1);
    EXPECT_LT(test::ChannelRms(m_harness.Listen(0.3), 0), 1e-4);
}

TEST_F(PlayerTest, TheSkinChosenInTheSkinDialogDressesTheWindows) {
    auto player = StartPlayer();
    const QImage before = m_harness.MainWindowImage();
    m_harness.AnswerFileDialog(Dir().File("Skin/Showcase/Showcase.dvk"));
    m_harness.TapKey(Qt::Key_S);
    EXPECT_EQ(player->skin.skinName, "Vantor Showcase");
    EXPECT_NE(m_harness.MainWindowImage(), before);
    EXPECT_TRUE(m_harness.Messages().empty());
}

TEST_F(PlayerTest, HandedOverFilesAreAppendedWithAdd) {
    auto player = StartPlayer();
    const auto first = WriteTone("one.wav");
    const auto second = WriteTone("two.wav");
    player->ReceiveHandOver("\"" + first + "\"");
    player->ReceiveHandOver("/add \"" + second + "\"");
    ASSERT_EQ(player->playlist.EntryCount(), 2);
    EXPECT_EQ(player->playlist.Playlist[1].Path, second);
    player->Exit(1);
}

TEST_F(PlayerTest, AnEndingPlayerDeclinesHandedOverFiles) {
    auto player = StartPlayer();
    const auto file = WriteTone("one.wav");
    EXPECT_TRUE(player->ReceiveHandOver("\"" + file + "\""));
    player->Exit(0);
    EXPECT_FALSE(player->ReceiveHandOver("/add \"" + file + "\""));
    EXPECT_EQ(player->playlist.EntryCount(), 1);
}

TEST_F(PlayerTest, ClickOnTheLoopButtonTogglesLoop) {
    auto player = StartPlayer();
    const SkinButton& loop = player->skin.Main(MainButton::Loop);
    ASSERT_GE(loop.regionCount, 0);
    const SkinRect& rect = loop.regions[0].rect;
    const QPoint centre((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    const auto before = player->settings.PlayLoopMode;
    QTest::mouseClick(&player->mainWindow.Widget(), Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_NE(player->settings.PlayLoopMode, before);
    player->Exit(1);
}

TEST_F(PlayerTest, RestoringFromTheTrayKeepsAHiddenPlaylistHidden) {
    auto player = StartPlayer();
    player->settings.ShowInSystemTask = 1;
    player->playlistWindowBridge.Widget().hide();
    MinimiseToTray(player->settings, player->shell);
    // Without a notification area the window is only minimised.
    QWidget& main = player->mainWindow.Widget();
    EXPECT_TRUE(!main.isVisible() || main.isMinimized());
    HandleTrayEvent(player->settings, player->shell, 514);
    EXPECT_TRUE(player->mainWindow.Widget().isVisible());
    EXPECT_FALSE(player->playlistWindowBridge.Widget().isVisible());
    player->Exit(1);
}

// Runs the ticks that fall into the next `ms` milliseconds, each standing
// for the time the player set its timer to.
void RunFor(Player& player, int ms) {
    for (int elapsed = 0; elapsed < ms;) {
        elapsed += player.TickMs();
        player.Tick();
    }
}

// The tick wears the inactive face while another window of the player has
// the focus, and the normal one when the main window has it again.
TEST_F(PlayerTest, TheMainWindowFollowsTheFocusBetweenThePlayersWindows) {
    auto player = StartPlayer();
    SkinWidget& main = player->mainWindow.Widget();
    SkinWidget& list = player->playlistWindowBridge.Widget();
    list.show();
    for (int round = 0; round < 2; ++round) {
        list.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
        EXPECT_FALSE(player->mainWindow.MainWindowIsForeground());
        player->Tick();
        EXPECT_EQ(player->player.FaceInUse, Face::Inactive);

        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        EXPECT_TRUE(player->mainWindow.MainWindowIsForeground());
        player->Tick();
        EXPECT_EQ(player->player.FaceInUse, Face::Normal);
    }
    player->Exit(1);
}

gfx::Surface FieldPixels(const Player& player, TextField field) {
    const SkinRect& rect = player.skin.Style(field).rect;
    gfx::Surface pixels(rect.Width(), rect.Height());
    gfx::Blit(pixels, {0, 0}, player.surfaces.mainWindow, ToGfx(rect));
    return pixels;
}

TEST_F(PlayerTest, TheTimeComesBackWithTheNextTickAfterTheFaceChanges) {
    auto player = StartPlayer();
    player->Tick();
    const gfx::Surface shown = FieldPixels(*player, TextField::Time);
    for (const Face face : {Face::Inactive, Face::Normal}) {
        player->player.FaceInUse = face;
        player->mainWindow.ApplyFace(face);
        ASSERT_NE(FieldPixels(*player, TextField::Time), shown) << "the face lies over the time";
        player->Tick();
        EXPECT_EQ(FieldPixels(*player, TextField::Time), shown);
    }
    player->Exit(1);
}

// Nothing sounds, so each analyzer frame lets the peaks fall one pixel.
TEST_F(PlayerTest, TheAnalyzerDrawsAFrameWithTheTickAtItsOwnIntervalAndNoneWhileDisabled) {
    auto player = StartPlayer();
    const AnalyzerDisplay& analyzer = player->visuals.Analyzer();
    ASSERT_TRUE(analyzer.IsPlaced());
    ASSERT_FALSE(analyzer.Peaks().empty());
    ASSERT_GT(analyzer.Area().Height(), 20);
    player->settings.AnalyzerPattern = 1;
    player->settings.AnalyzerDisable = 0;
    player->settings.AnalyzerPriority = 30;
    player->ApplyTimerIntervals();
    const std::int32_t start = analyzer.Peaks()[0];
    // The tick wakes at the analyzer's interval: a frame each time.
    EXPECT_EQ(player->TickMs(), 30);
    RunFor(*player, 30);
    EXPECT_EQ(analyzer.Peaks()[0], start + 1);
    RunFor(*player, 60);
    EXPECT_EQ(analyzer.Peaks()[0], start + 3);

    player->settings.AnalyzerPriority = 45;
    player->ApplyTimerIntervals();
    RunFor(*player, 135);
    EXPECT_EQ(analyzer.Peaks()[0], start + 6);

    // A short interval is kept too, with a tick for each frame.
    player->settings.AnalyzerPriority = 20;
    player->ApplyTimerIntervals();
    EXPECT_EQ(player->TickMs(), 20);
    RunFor(*player, 100);
    EXPECT_EQ(analyzer.Peaks()[0], start + 11);

    player->settings.AnalyzerDisable = 1;
    player->ApplyTimerIntervals();
    EXPECT_FALSE(player->analyzerSteps.IsRunning());
    RunFor(*player, 150);
    EXPECT_EQ(analyzer.Peaks()[0], start + 11);
    player->Exit(1);
}

// Each step of the song-information line moves it one pixel to the left.
TEST_F(PlayerTest, TheSongInformationStepsWithTheTickAtItsOwnIntervalAndNoneWhileDisabled) {
    auto player = StartPlayer();
    player->settings.SongInformationScrollDisable = 0;
    player->settings.SongInfoScrollWait = 50;
    player->ApplyTimerIntervals();
    player->visuals.SongInfo().DrawIdleText();
    const SongInfoAnimation& state = player->visuals.SongInfo().State();
    const std::int32_t start = state.offsetA;
    RunFor(*player, 300);
    EXPECT_EQ(state.offsetA, start - 6);

    player->settings.SongInformationScrollDisable = 1;
    player->ApplyTimerIntervals();
    EXPECT_FALSE(player->songInfoSteps.IsRunning());
    RunFor(*player, 300);
    EXPECT_EQ(state.offsetA, start - 6);
    player->Exit(1);
}

// What reaches the display is what the player composed, step after step of
// a scrolling line and of a playing analyzer, sent as changed rectangles
// (also run on an X display, where the window sends them itself).
TEST_F(PlayerTest, TheDisplayShowsTheComposedWindowWhileTheSongLineScrolls) {
    auto player = StartPlayer({WriteTone("scrolling.wav")});
    player->settings.SongInformationScrollDisable = 0;
    player->ApplyTimerIntervals();
    SkinWidget& main = player->mainWindow.Widget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    m_harness.ClickMainButton(MainButton::Play);
    const auto expectShown = [&](const std::string& when) {
        const QImage shown = main.screen()->grabWindow(main.winId()).toImage();
        ASSERT_EQ(InsideShape(shown, main.mask()),
                  InsideShape(ToImage(player->surfaces.mainWindow), main.mask()))
            << when;
    };
    for (int round = 0; round < 3; ++round) {
        m_harness.Listen(0.4);
        expectShown("after " + std::to_string((round + 1) * 400) + " ms");
    }
    // Another window over it and gone again: what it covered comes back.
    QWidget cover(nullptr, Qt::Window | Qt::FramelessWindowHint);
    cover.setGeometry(main.geometry());
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
    cover.hide();
    QTest::qWait(50);
    expectShown("after being uncovered");
    player->Exit(1);
}

} // namespace
} // namespace vantor
