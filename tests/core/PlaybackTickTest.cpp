#include "core/Docking.h"
#include "core/PositionDisplay.h"
#include "core/RandomPick.h"
#include "core/TrackControl.h"
#include "core/TrackOpening.h"
#include "support/PlaybackHarness.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::PlaybackHarness;
using test::SoundedSpan;

using Names = std::vector<std::string>;

class PlaybackTickTest : public ::testing::Test {
protected:
    void ThreeFiles(std::int32_t lengthMs = 2000) {
        h.AddFile("/a.ogg", lengthMs);
        h.AddFile("/b.ogg", lengthMs);
        h.AddFile("/c.ogg", lengthMs);
    }
    void Start() {
        OpenTrack(h.ctx, 0);
        PlayTrack(h.ctx);
    }
    // A copy: two spans compared in one expression must both stay valid.
    SoundedSpan Span(std::size_t i) {
        const auto spans = h.sound.Spans();
        EXPECT_LT(i, spans.size());
        return i < spans.size() ? spans[i] : SoundedSpan{};
    }
    PlaybackHarness h;
};

TEST_F(PlaybackTickTest, ThreeTracksPlayInOrderAndTheListEndsOnEntryZeroSilent) {
    ThreeFiles();
    Start();
    h.RunUntil(10000);
    EXPECT_EQ(h.Heard(), (Names{"/a.ogg", "/b.ogg", "/c.ogg"}));
    // The next track starts on the tick that sees the end.
    EXPECT_GE(Span(1).startMs, Span(0).endMs);
    EXPECT_LE(Span(1).startMs, Span(0).endMs + 10);
    EXPECT_EQ(h.player.currentIndex(), 0);
    EXPECT_EQ(h.player.slotA.Kind(), TrackKind::Stream);
    EXPECT_FALSE(h.player.AnyPlaying());
    EXPECT_EQ(h.view.timeText, "00:00 / 00:00");
    EXPECT_TRUE(h.view.Saw("DrawTrackNumbers(1, 3)"));
}

TEST_F(PlaybackTickTest, WithLoopOnEntryZeroPlaysAgainAfterTheLast) {
    ThreeFiles();
    h.settings.PlayLoopMode = 1;
    Start();
    h.RunUntil(7000);
    EXPECT_EQ(h.Heard(), (Names{"/a.ogg", "/b.ogg", "/c.ogg", "/a.ogg"}));
    EXPECT_TRUE(h.player.AnyPlaying());
}

TEST_F(PlaybackTickTest, ANewTrackIsOpenedWithTheSeekBarCleared) {
    ThreeFiles();
    Start();
    h.view.calls.clear();
    h.RunUntil(2010);
    EXPECT_EQ(h.player.currentIndex(), 1);
    EXPECT_TRUE(h.view.Saw("ClearSeekFill"));
    EXPECT_TRUE(h.view.Saw("DrawTrackNumbers(2, 3)"));
    EXPECT_TRUE(h.view.Saw("RedrawPlaylist"));
}

TEST_F(PlaybackTickTest, AStreamOfLengthZeroEndsOnTheFirstTick) {
    h.AddFile("/empty.wav", 0);
    h.AddFile("/b.ogg", 1000);
    Start();
    h.RunUntil(10);
    EXPECT_EQ(h.player.currentIndex(), 1);
    EXPECT_TRUE(h.player.slotA.IsPlaying());
}

TEST_F(PlaybackTickTest, RandomWithoutLoopStopsAfterOneRound) {
    ThreeFiles(1000);
    h.settings.PlayRandomMode = 1;
    // The last pick finds every entry marked, clears the marks and draws again.
    h.random.values = {0.9, 0.0, 0.0, 0.5, 0.5};
    h.player.currentIndex() = PickRandomIndex(h.ctx, -1);
    Start();
    h.RunUntil(6000);
    EXPECT_EQ(h.Heard(), (Names{"/c.ogg", "/a.ogg", "/b.ogg"}));
    EXPECT_FALSE(h.player.AnyPlaying());
    // The marks were cleared for the next round, whose first entry is open.
    EXPECT_EQ(h.player.currentIndex(), 1);
    EXPECT_EQ(h.player.slotA.Kind(), TrackKind::Stream);
    for (const auto& entry : h.playlist.Playlist)
        EXPECT_EQ(entry.Played, kFlagOff);
}

TEST_F(PlaybackTickTest, RandomWithLoopKeepsPlaying) {
    ThreeFiles(1000);
    h.settings.PlayRandomMode = 1;
    h.settings.PlayLoopMode = 1;
    Start();
    h.RunUntil(5500);
    EXPECT_EQ(h.Heard().size(), 6u);
    EXPECT_TRUE(h.player.AnyPlaying());
}

TEST_F(PlaybackTickTest, TheMixStartsTheNextStreamGapLengthBeforeTheEnd) {
    ThreeFiles(3000);
    h.settings.NonStopMegaMix = 1;
    h.settings.GapLength = 500;
    Start();
    h.RunUntil(20000);
    EXPECT_EQ(h.Heard(), (Names{"/a.ogg", "/b.ogg", "/c.ogg"}));
    EXPECT_EQ(Span(0).endMs - Span(1).startMs, 500);
    EXPECT_EQ(Span(1).endMs - Span(2).startMs, 500);
    // Both sound at the master volume; the overlap changes no volume.
    for (const auto& call : h.recorder.LogOf("FSOUND_SetVolume"))
        EXPECT_NE(call.find(", 200)"), std::string::npos) << call;
    EXPECT_EQ(h.recorder.CountOf("FSOUND_SetVolume"), 3);
    // After the last entry the mix stands on entry 0, opened and silent.
    EXPECT_EQ(h.player.currentIndex(), 0);
    EXPECT_EQ(h.sound.Spans().size(), 3u);
    EXPECT_FALSE(h.player.AnyPlaying());
    EXPECT_EQ(h.view.timeText, "00:00 / 00:00");
}

TEST_F(PlaybackTickTest, AfterTheMixHasStoppedPlayStartsAgainFromEntryZero) {
    ThreeFiles(3000);
    h.settings.NonStopMegaMix = 1;
    h.settings.GapLength = 500;
    Start();
    h.RunUntil(10000);
    PlayCommand(h.ctx);
    h.RunUntil(11000);
    EXPECT_EQ(h.Heard().back(), "/a.ogg");
    EXPECT_TRUE(h.player.AnyPlaying());
    EXPECT_LE(h.sound.OpenCount(), 2);
}

TEST_F(PlaybackTickTest, TheMixAlternatesSlotsAndReleasesTheFinishedOne) {
    ThreeFiles(3000);
    h.settings.NonStopMegaMix = 1;
    h.settings.GapLength = 500;
    h.settings.PlayLoopMode = 1;
    Start();
    h.RunUntil(2500);
    EXPECT_EQ(h.player.activeSlot, kMixSlotBSounding);
    EXPECT_EQ(h.player.MixTriggered, 1);
    EXPECT_EQ(h.player.slotB.entryIndex, 1);
    h.RunUntil(3000);
    // Slot A played out: it now waits with the entry after slot B's.
    EXPECT_EQ(h.player.MixTriggered, 0);
    EXPECT_EQ(h.player.slotA.entryIndex, 2);
    EXPECT_FALSE(h.player.slotA.IsPlaying());
    h.RunUntil(5000);
    EXPECT_EQ(h.player.activeSlot, kMixSlotASounding);
    h.RunUntil(12000);
    EXPECT_EQ(h.Heard(), (Names{"/a.ogg", "/b.ogg", "/c.ogg", "/a.ogg", "/b.ogg"}));
    EXPECT_LE(h.sound.OpenCount(), 2);
}

TEST_F(PlaybackTickTest, TwoCdTracksInARowDoNotOverlap) {
    h.AddCdTrack("E:", 0, {3000, 3000});
    h.AddCdTrack("E:", 1, {3000, 3000});
    h.settings.NonStopMegaMix = 1;
    h.settings.GapLength = 500;
    Start();
    h.RunUntil(8000);
    EXPECT_EQ(h.Heard(), (Names{"E:#0", "E:#1"}));
    EXPECT_LE(Span(0).endMs, Span(1).startMs);
    EXPECT_EQ(Span(0).endMs, 2500);
}

TEST_F(PlaybackTickTest, AModuleIsFollowedOnlyAfterItFinished) {
    h.AddFile("/a.mod", 2000, true);
    h.AddFile("/b.ogg", 2000);
    h.AddFile("/c.xm", 2000, true);
    h.AddFile("/d.ogg", 2000);
    h.settings.NonStopMegaMix = 1;
    h.settings.GapLength = 500;
    Start();
    h.RunUntil(10000);
    EXPECT_EQ(h.Heard(), (Names{"/a.mod", "/b.ogg", "/c.xm", "/d.ogg"}));
    // Module to anything: no overlap. Stream to module: the usual overlap.
    EXPECT_LE(Span(0).endMs, Span(1).startMs);
    EXPECT_EQ(Span(1).endMs - Span(2).startMs, 500);
    EXPECT_LE(Span(2).endMs, Span(3).startMs);
}

TEST_F(PlaybackTickTest, AModuleWithoutTheMixAdvancesLikeAStream) {
    h.AddFile("/a.it", 1000, true);
    h.AddFile("/b.ogg", 1000);
    Start();
    h.RunUntil(3000);
    EXPECT_EQ(h.Heard(), (Names{"/a.it", "/b.ogg"}));
    EXPECT_EQ(h.player.currentIndex(), 0);
}

TEST_F(PlaybackTickTest, ShowsTheStreamPositionAndTime) {
    h.AddFile("/a.ogg", 100000);
    Start();
    h.RunUntil(75000, 25000);
    EXPECT_TRUE(h.view.Saw("DrawSeekBar(0.75)"));
    EXPECT_EQ(h.view.timeText, "01:15 / 01:40");
    EXPECT_TRUE(h.view.Saw("RepaintMainWindow"));
}

TEST_F(PlaybackTickTest, ACdTrackPositionFollowsItsTime) {
    h.AddCdTrack("E:", 0, {4000});
    h.sound.media["E:"].lengthBytes = 0;
    Start();
    h.RunUntil(1000, 1000);
    EXPECT_TRUE(h.view.Saw("DrawSeekBar(0.25)"));
}

TEST_F(PlaybackTickTest, ASongShowsItsOrderAndOnlyItsElapsedTime) {
    h.AddFile("/a.mod", 100000, true);
    Start();
    h.recorder.Script("FMUSIC_GetOrder", {3});
    h.recorder.Script("FMUSIC_GetNumOrders", {12});
    h.view.minimised = true;
    h.player.TitleText = "Tune";
    h.RunUntil(61500, 61500);
    EXPECT_TRUE(h.view.Saw("DrawSeekBar(0.25)"));
    EXPECT_EQ(h.view.timeText, "01:02 / 00:00");
    EXPECT_EQ(h.view.title, "Tune (00:00) - Vantor");
}

TEST_F(PlaybackTickTest, LeavesTheSeekBarAloneWhileItIsDragged) {
    h.AddFile("/a.ogg", 100000);
    Start();
    h.view.dragging = true;
    h.RunUntil(1000, 1000);
    EXPECT_EQ(h.view.CountOf("DrawSeekBar(0.01)"), 0);
    EXPECT_EQ(h.view.timeText, "00:01 / 01:40");
}

TEST_F(PlaybackTickTest, TheMinimisedTitleNamesTheTrackAndItsLength) {
    h.AddFile("/a.ogg", 3725000);
    Start();
    h.player.TitleText = "Song";
    h.RunUntil(10);
    EXPECT_EQ(h.view.title, "Vantor");
    h.view.minimised = true;
    h.RunUntil(20);
    h.RunUntil(30);
    EXPECT_EQ(h.view.title, "Song (01:02:05) - Vantor");
    EXPECT_EQ(h.view.CountOf("SetMainWindowTitle(Song (01:02:05) - Vantor)"), 1);
}

TEST_F(PlaybackTickTest, IdleShowsZeroTimeAndTheOpenStreamsTitle) {
    h.AddFile("/a.ogg", 75000);
    OpenTrack(h.ctx, 0);
    h.view.minimised = true;
    h.player.TitleText = "Song";
    h.RunUntil(10);
    EXPECT_EQ(h.view.timeText, "00:00 / 00:00");
    EXPECT_TRUE(h.view.Saw("DrawIdleSeekBar"));
    EXPECT_EQ(h.view.title, "Song (01:15) - Vantor");
    EXPECT_FALSE(h.view.Saw("RepaintMainWindow"));
}

TEST_F(PlaybackTickTest, TheFaceFollowsTheFocusAndRedrawsTheModeButtons) {
    h.settings.PlayLoopMode = 1;
    h.RunUntil(10);
    EXPECT_EQ(h.view.calls.front(), "ApplyFace(Normal)");
    EXPECT_TRUE(h.view.Saw("DrawModeButton(Loop, on)"));
    EXPECT_TRUE(h.view.Saw("DrawModeButton(Random, off)"));
    EXPECT_TRUE(h.view.Saw("DrawModeButton(NonStop, off)"));
    h.RunUntil(20);
    EXPECT_EQ(h.view.CountOf("ApplyFace(Normal)"), 1);
    h.desktop.mainIsForeground = false;
    h.RunUntil(30);
    EXPECT_EQ(h.view.CountOf("ApplyFace(Inactive)"), 1);
    EXPECT_EQ(h.player.FaceInUse, Face::Inactive);
}

class DockingTest : public PlaybackTickTest {
protected:
    void SetUp() override {
        h.view.dock = DockPoint{3, -10, 0};
        h.desktop.foreground.exists = true;
        h.desktop.foreground.title = "Editor";
        h.desktop.foreground.rect = {100, 200, 500, 600};
    }
};

TEST_F(DockingTest, DocksTheTopLeftCornerAtTheChosenCornerPlusTheOffset) {
    h.RunUntil(10);
    ASSERT_EQ(h.desktop.moves.size(), 1u);
    EXPECT_EQ(h.desktop.moves[0], (ScreenPoint{490, 600}));
    const ForegroundWindow& window = h.desktop.foreground;
    EXPECT_EQ(*DockedPosition(window, {0, 5, 6}), (ScreenPoint{105, 206}));
    EXPECT_EQ(*DockedPosition(window, {1, 0, 0}), (ScreenPoint{500, 200}));
    EXPECT_EQ(*DockedPosition(window, {2, 0, -3}), (ScreenPoint{100, 597}));
    EXPECT_FALSE(DockedPosition(window, {4, 0, 0}));
}

TEST_F(DockingTest, NeverDocksToTheDesktopThePanelOrThePlayerItself) {
    for (const auto& [title, className] : std::vector<std::pair<std::string, std::string>>{
             {"Program Manager", ""}, {"Windows タスク マネージャ", ""}, {"", "Shell_TrayWnd"}}) {
        h.desktop.foreground.title = title;
        h.desktop.foreground.className = className;
        h.RunUntil(h.sound.nowMs + 10);
    }
    h.desktop.foreground = {};
    h.RunUntil(h.sound.nowMs + 10);
    h.desktop.foreground.exists = true;
    h.desktop.foreground.isPlayerWindow = true;
    h.RunUntil(h.sound.nowMs + 10);
    EXPECT_TRUE(h.desktop.moves.empty());
}

TEST_F(DockingTest, ASkinWithoutADockPointNeverMovesTheWindow) {
    h.view.dock.reset();
    h.RunUntil(10);
    EXPECT_TRUE(h.desktop.moves.empty());
}

// The memo keeps the text while both whole seconds (rounded half to even)
// stay, and makes it again when either moves, backwards too.
TEST(TimeTextTest, TheTextIsMadeAgainWhenEitherWholeSecondChanges) {
    TimeTextMemo memo;
    const std::pair<std::int64_t, std::int64_t> times[] = {
        {0, 90500},    {499, 90500},  {500, 90500},  {501, 90500},
        {1499, 90500}, {1500, 90500}, {2500, 90500}, {2501, 90500},
        {2501, 91500}, {400, 91500},  {400, 0},      {3725000, 3725000}};
    const char* expected[] = {"00:00 / 01:30", "00:00 / 01:30", "00:00 / 01:30",
                              "00:01 / 01:30", "00:01 / 01:30", "00:02 / 01:30",
                              "00:02 / 01:30", "00:03 / 01:30", "00:03 / 01:32",
                              "00:00 / 01:32", "00:00 / 00:00", "01:02:05 / 01:02:05"};
    for (std::size_t i = 0; i < std::size(times); ++i)
        EXPECT_EQ(TimeText(memo, times[i].first, times[i].second), expected[i]) << "case " << i;
}

} // namespace
} // namespace vantor
