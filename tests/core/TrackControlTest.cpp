#include "core/TrackControl.h"
#include "core/TrackOpening.h"
#include "support/PlaybackHarness.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::PlaybackHarness;

class TrackControlTest : public ::testing::Test {
protected:
    void ThreeFiles() {
        h.AddFile("/a.ogg", 10000);
        h.AddFile("/b.ogg", 10000);
        h.AddFile("/c.ogg", 10000);
    }
    void OpenAndPlay() {
        OpenTrack(h.ctx, 0);
        PlayTrack(h.ctx);
    }
    PlaybackHarness h;
};

TEST_F(TrackControlTest, StartsAStreamOnAFreeChannelAtTheMasterVolume) {
    ThreeFiles();
    OpenAndPlay();
    const std::string stream = std::to_string(h.player.slotA.streamHandle);
    EXPECT_EQ(h.recorder.LogOf("FSOUND_Stream_PlayEx"),
              std::vector<std::string>{"FSOUND_Stream_PlayEx(-1, " + stream + ", 0, false)"});
    EXPECT_EQ(h.recorder.LogOf("FSOUND_SetVolume"),
              std::vector<std::string>{"FSOUND_SetVolume(1, 200)"});
    EXPECT_EQ(h.player.slotA.channel, 1);
    EXPECT_EQ(h.player.slotA.playing, -1);
    EXPECT_TRUE(h.view.Saw("DrawSongInfo"));
    EXPECT_TRUE(h.view.Saw("ResetAnalyzerPeaks"));
}

TEST_F(TrackControlTest, AStreamThatWillNotStartReportsPlayStream) {
    ThreeFiles();
    OpenTrack(h.ctx, 0);
    h.recorder.Script("FSOUND_GetError", {kSoundErrorPlay});
    h.recorder.Script("FSOUND_Stream_PlayEx", {-1});
    PlayTrack(h.ctx);
    EXPECT_EQ(h.player.slotA.playing, 0);
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0], (test::ShownMessage{"Playing the sound failed.", "Play Stream",
                                                       MessageIcon::Critical}));
}

TEST_F(TrackControlTest, ASongThatWillNotStartReportsPlaySong) {
    h.AddFile("/m.mod", 10000, true);
    OpenTrack(h.ctx, 0);
    h.recorder.Script("FMUSIC_PlaySong", {0});
    h.recorder.Script("FSOUND_GetError", {kSoundErrorMemory});
    PlayTrack(h.ctx);
    EXPECT_EQ(h.player.slotA.playing, 0);
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0],
              (test::ShownMessage{"Not enough memory ", "Play Song", MessageIcon::Critical}));
}

TEST_F(TrackControlTest, MarksTheEntryPlayedOnlyInRandomMode) {
    ThreeFiles();
    OpenAndPlay();
    EXPECT_EQ(h.playlist.Playlist[0].Played, 0);
    h.settings.PlayRandomMode = 1;
    CloseTrack(h.ctx);
    OpenAndPlay();
    EXPECT_EQ(h.playlist.Playlist[0].Played, -1);
}

TEST_F(TrackControlTest, RedrawsThePlaylistWhenStartingFoundTheLength) {
    struct LengthFindingView : test::FakePlayerView {
        PlaylistEntry* entry = nullptr;
        void DrawSongInfo() override {
            FakePlayerView::DrawSongInfo();
            entry->LengthText = "0:10";
        }
    } view;
    ThreeFiles();
    view.entry = &h.playlist.Playlist[0];
    PlaybackContext ctx = h.ctx;
    PlaybackContext local{ctx.player,   ctx.playlist, ctx.settings, ctx.sound, ctx.pitch,
                          ctx.messages, view,         ctx.random,   ctx.vbr,   ctx.gain};
    OpenTrack(local, 0);
    PlayTrack(local);
    EXPECT_TRUE(view.Saw("RedrawPlaylist"));
    PlayTrack(local);
    EXPECT_EQ(view.CountOf("RedrawPlaylist"), 1);
}

TEST_F(TrackControlTest, StopKeepsTheHandlesAndResetsTheSeekBar) {
    ThreeFiles();
    OpenAndPlay();
    StopTrack(h.ctx);
    EXPECT_EQ(h.player.slotA.Kind(), TrackKind::Stream);
    EXPECT_EQ(h.player.slotA.playing, 0);
    EXPECT_EQ(h.player.slotA.channel, 0);
    EXPECT_EQ(h.recorder.CountOf("FSOUND_Stream_Stop"), 1);
    EXPECT_TRUE(h.view.Saw("DrawIdleSeekBar"));
    EXPECT_TRUE(h.view.Saw("ClearSeekFill"));
    EXPECT_TRUE(h.view.Saw("RepaintMainWindow"));
}

TEST_F(TrackControlTest, StopWhileSlotBSoundsMakesItsEntryTheCurrentOne) {
    ThreeFiles();
    h.player.slotB.entryIndex = 2;
    h.player.activeSlot = kMixSlotBSounding;
    StopTrack(h.ctx);
    EXPECT_EQ(h.player.currentIndex(), 2);
}

TEST_F(TrackControlTest, PauseTogglesTheSoundingSlotOnly) {
    ThreeFiles();
    OpenAndPlay();
    TogglePause(h.ctx);
    EXPECT_EQ(h.recorder.LogOf("FSOUND_SetPaused"),
              std::vector<std::string>{"FSOUND_SetPaused(1, true)"});
    TogglePause(h.ctx);
    EXPECT_EQ(h.recorder.LogOf("FSOUND_SetPaused").back(), "FSOUND_SetPaused(1, false)");
    StopTrack(h.ctx);
    TogglePause(h.ctx);
    EXPECT_EQ(h.recorder.LogOf("FSOUND_SetPaused").size(), 2u);
}

TEST_F(TrackControlTest, PlayWhilePausedResumesInsteadOfRestarting) {
    ThreeFiles();
    OpenAndPlay();
    h.sound.nowMs = 3000;
    TogglePause(h.ctx);
    PlayCommand(h.ctx);
    EXPECT_EQ(h.recorder.CountOf("FSOUND_Stream_Open"), 1);
    EXPECT_EQ(h.recorder.LogOf("FSOUND_SetPaused").back(), "FSOUND_SetPaused(1, false)");
    EXPECT_EQ(h.sound.FSOUND_Stream_GetTime(h.player.slotA.streamHandle), 3000);
}

TEST_F(TrackControlTest, PlayRestartsTheCurrentEntryFromItsBeginning) {
    ThreeFiles();
    h.player.currentIndex() = 1;
    OpenAndPlay();
    h.sound.nowMs = 3000;
    PlayCommand(h.ctx);
    EXPECT_EQ(h.recorder.CountOf("FSOUND_Stream_Open"), 2);
    EXPECT_EQ(h.sound.FSOUND_Stream_GetTime(h.player.slotA.streamHandle), 0);
    EXPECT_TRUE(h.player.slotA.IsPlaying());
    EXPECT_TRUE(h.view.Saw("DrawTrackNumbers(2, 3)"));
}

TEST_F(TrackControlTest, PlayDoesNothingOnAnEmptyList) {
    PlayCommand(h.ctx);
    NextTrack(h.ctx);
    PreviousTrack(h.ctx);
    EXPECT_TRUE(h.recorder.calls.empty());
}

TEST_F(TrackControlTest, NextOnTheLastEntryWrapsToTheFirst) {
    ThreeFiles();
    h.player.currentIndex() = 2;
    OpenAndPlay();
    NextTrack(h.ctx);
    EXPECT_EQ(h.player.currentIndex(), 0);
    EXPECT_TRUE(h.player.slotA.IsPlaying());
    EXPECT_TRUE(h.view.Saw("DrawTrackNumbers(1, 3)"));
}

TEST_F(TrackControlTest, PreviousOnTheFirstEntryWrapsToTheLastWithoutStarting) {
    ThreeFiles();
    OpenTrack(h.ctx, 0);
    PreviousTrack(h.ctx);
    EXPECT_EQ(h.player.currentIndex(), 2);
    EXPECT_EQ(h.player.slotA.Kind(), TrackKind::Stream);
    EXPECT_FALSE(h.player.slotA.IsPlaying());
    EXPECT_EQ(h.recorder.CountOf("FSOUND_Stream_PlayEx"), 0);
}

TEST_F(TrackControlTest, NextStepsFromTheSoundingSlotOfTheMix) {
    ThreeFiles();
    h.player.currentIndex() = 0;
    h.player.slotB.entryIndex = 1;
    h.player.activeSlot = kMixSlotBSounding;
    NextTrack(h.ctx);
    EXPECT_EQ(h.player.currentIndex(), 2);
}

TEST_F(TrackControlTest, NextInRandomModePicksAnUnplayedEntry) {
    ThreeFiles();
    h.settings.PlayRandomMode = 1;
    h.playlist.Playlist[0].Played = kFlagOn;
    h.random.values = {0.0};
    NextTrack(h.ctx);
    EXPECT_EQ(h.player.currentIndex(), 1);
}

} // namespace
} // namespace vantor
