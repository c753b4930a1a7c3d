#include "app/PlayerHarness.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace vantor {
namespace {

constexpr int kEnoughSteps = 400;

// One expiry of the playback timer, as the running player's event loop
// delivers it.
void FireTickTimer(Player& player) {
    ASSERT_TRUE(QMetaObject::invokeMethod(&player.tickTimer, "timeout"));
}

// Fires the timer until the player rests; false when it never does.
bool FireUntilResting(Player& player) {
    for (int i = 0; i < kEnoughSteps && !player.Resting(); ++i)
        FireTickTimer(player);
    return player.Resting();
}

bool PeaksAtTheBottom(const AnalyzerDisplay& analyzer) {
    const std::int32_t bottom = analyzer.Area().Height() - 1;
    return std::all_of(analyzer.Peaks().begin(), analyzer.Peaks().end(),
                       [bottom](std::int32_t peak) { return peak == bottom; });
}

// The bottom row of the analyzer area as the main window shows it.
std::vector<QRgb> AnalyzerBottomRow(test::PlayerHarness& h) {
    const SkinRect& area = h.player().visuals.Analyzer().Area();
    const QImage shown = h.MainWindowImage();
    std::vector<QRgb> row;
    for (int x = area.left; x < area.right; ++x)
        row.push_back(shown.pixel(x, area.bottom - 1));
    return row;
}

class IdleTickTest : public ::testing::Test {
protected:
    Player& StartStopped() {
        Player& player = m_h.Start();
        player.settings.AnalyzerDisable = 0;
        player.settings.AnalyzerPattern = 1;
        player.settings.SongInformationScrollDisable = 0;
        player.settings.SongInfoScrollWait = 50;
        player.ApplyTimerIntervals();
        return player;
    }

    test::PlayerHarness m_h;
};

// While nothing plays, the player stops ticking once the peaks have fallen
// to the bottom; the idle text goes on scrolling a pixel per step, woken
// only at its own interval.
TEST_F(IdleTickTest, AStoppedPlayerRestsOnceThePeaksLieAtTheBottomAndTheSongLineScrollsOn) {
    Player& player = StartStopped();
    ASSERT_TRUE(FireUntilResting(player));
    EXPECT_TRUE(PeaksAtTheBottom(player.visuals.Analyzer()));
    EXPECT_TRUE(player.tickTimer.isActive());
    EXPECT_EQ(player.tickTimer.interval(), 50);

    const QImage before = m_h.FieldImage(TextField::SongInfo);
    const std::int32_t offset = player.visuals.SongInfo().State().offsetA;
    FireTickTimer(player);
    EXPECT_EQ(player.visuals.SongInfo().State().offsetA, offset - 1);
    EXPECT_NE(m_h.FieldImage(TextField::SongInfo), before) << "the window shows the step";
    EXPECT_TRUE(player.Resting());

    // With the line standing still nothing is left to wake for.
    player.settings.SongInformationScrollDisable = 1;
    player.ApplyTimerIntervals();
    player.Wake();
    ASSERT_TRUE(FireUntilResting(player));
    EXPECT_FALSE(player.tickTimer.isActive());
    m_h.Exit(1);
}

// A resting player still shows at once what the user changes: another
// analyzer style is drawn over the settled peaks, and the main window puts
// on its inactive face when the playlist takes the focus.
TEST_F(IdleTickTest, ARestingPlayerShowsANewAnalyzerStyleAndFollowsTheFocus) {
    Player& player = StartStopped();
    ASSERT_TRUE(FireUntilResting(player));
    const std::vector<QRgb> narrow = AnalyzerBottomRow(m_h);

    m_h.ChooseMenuItem("Mnu_Analyzer_Patturn", 1); // 3-pixel columns, 4 apart
    EXPECT_FALSE(player.Resting());
    ASSERT_TRUE(FireUntilResting(player));
    const std::vector<QRgb> wide = AnalyzerBottomRow(m_h);
    ASSERT_GE(wide.size(), 8u);
    EXPECT_NE(wide, narrow);
    EXPECT_EQ(wide[0], wide[1]) << "a peak three pixels wide";
    EXPECT_NE(wide[2], wide[3]) << "the gap beside it";

    SkinWidget& list = player.playlistWindowBridge.Widget();
    list.show();
    list.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    EXPECT_FALSE(player.Resting());
    ASSERT_TRUE(FireUntilResting(player));
    EXPECT_EQ(player.player.FaceInUse, Face::Inactive);
    m_h.Exit(1);
}

// A paused track rests too; its time stands where it stopped, and going on
// wakes the tick again.
TEST_F(IdleTickTest, APausedTrackRestsWithItsTimeStandingAndWakesOnResume) {
    Player& player = StartStopped();
    player.mainWindow.OnFilesDropped({m_h.WriteTone("tone.wav", 440.0, 4.0)});
    m_h.ClickMainButton(MainButton::Play);
    m_h.Listen(1.2);
    EXPECT_FALSE(player.Resting());
    m_h.ClickMainButton(MainButton::Pause);
    ASSERT_TRUE(FireUntilResting(player));
    const QImage time = m_h.FieldImage(TextField::Time);
    EXPECT_EQ(time, m_h.FieldImageShowing(TextField::Time, "00:01 / 00:04"));

    m_h.ClickMainButton(MainButton::Pause);
    EXPECT_FALSE(player.Resting());
    m_h.Listen(1.0);
    EXPECT_FALSE(player.Resting());
    EXPECT_EQ(m_h.FieldImage(TextField::Time),
              m_h.FieldImageShowing(TextField::Time, "00:02 / 00:04"));
    m_h.Exit(1);
}

} // namespace
} // namespace vantor
