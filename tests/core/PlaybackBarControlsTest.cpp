#include "core/PlaybackBarControls.h"
#include "core/TrackControl.h"
#include "core/TrackOpening.h"
#include "support/PlaybackHarness.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using Calls = std::vector<std::string>;

class PlaybackBarControlsTest : public ::testing::Test {
protected:
    void Start() {
        OpenTrack(h.ctx, 0);
        PlayTrack(h.ctx);
        h.recorder.calls.clear();
    }
    test::PlaybackHarness h;
    test::FakeEffectLibrary effects{h.recorder};
    SoundSystem system{h.sound, effects, h.pitch};
    PlaybackBarControls bars{h.ctx, system};
};

TEST_F(PlaybackBarControlsTest, VolumeGoesToTheStreamChannelOrThePlayingSong) {
    h.AddFile("/a.ogg", 10000);
    Start();
    bars.ApplyVolume(128);
    EXPECT_EQ(h.recorder.LogOf("FSOUND_SetVolume"), Calls{"FSOUND_SetVolume(1, 128)"});
    test::PlaybackHarness songs;
    songs.AddFile("/a.mod", 10000, true);
    OpenTrack(songs.ctx, 0);
    PlayTrack(songs.ctx);
    PlaybackBarControls songBars(songs.ctx, system);
    songBars.ApplyVolume(64);
    EXPECT_EQ(songs.recorder.LogOf("FMUSIC_SetMasterVolume").back(),
              "FMUSIC_SetMasterVolume(" + std::to_string(songs.player.slotA.musicHandle) + ", 64)");
}

TEST_F(PlaybackBarControlsTest, BothTracksOfTheOverlapFollowTheVolumeAndTheSeek) {
    h.settings.NonStopMegaMix = 1;
    h.settings.GapLength = 500;
    h.AddFile("/a.ogg", 2000);
    h.AddFile("/b.ogg", 2000);
    Start();
    h.RunUntil(1600);
    ASSERT_TRUE(h.player.slotA.IsPlaying() && h.player.slotB.IsPlaying());
    h.recorder.calls.clear();
    bars.ApplyVolume(10);
    EXPECT_EQ(h.recorder.LogOf("FSOUND_SetVolume"),
              (Calls{"FSOUND_SetVolume(2, 10)", "FSOUND_SetVolume(1, 10)"}));
    bars.SetSeek(255);
    EXPECT_EQ(h.recorder.LogOf("FSOUND_Stream_SetPosition").size(), 2u);
}

TEST_F(PlaybackBarControlsTest, PanIsCentredWhileTheBalanceIsOff) {
    bars.ApplyPan(200);
    h.settings.PanEnable = 1;
    bars.ApplyPan(200);
    EXPECT_EQ(h.recorder.LogOf("FSOUND_SetPan"),
              (Calls{"FSOUND_SetPan(-1000, 128)", "FSOUND_SetPan(-1000, 200)"}));
}

TEST_F(PlaybackBarControlsTest, SeekingMovesStreamsByBytesAndSongsByOrders) {
    h.AddFile("/a.ogg", 10000);
    bars.SetSeek(128);
    EXPECT_TRUE(h.recorder.calls.empty());
    Start();
    bars.SetSeek(51);
    bars.SeekToFraction(0.5);
    const std::string stream = std::to_string(h.player.slotA.streamHandle);
    EXPECT_EQ(h.recorder.LogOf("FSOUND_Stream_SetPosition"),
              (Calls{"FSOUND_Stream_SetPosition(" + stream + ", 20000)",
                     "FSOUND_Stream_SetPosition(" + stream + ", 50000)"}));
    test::PlaybackHarness songs;
    songs.AddFile("/a.mod", 10000, true);
    OpenTrack(songs.ctx, 0);
    PlayTrack(songs.ctx);
    songs.recorder.Script("FMUSIC_GetNumOrders", {10});
    PlaybackBarControls songBars(songs.ctx, system);
    songBars.SetSeek(255);
    EXPECT_EQ(songs.recorder.LogOf("FMUSIC_SetOrder").back(),
              "FMUSIC_SetOrder(" + std::to_string(songs.player.slotA.musicHandle) + ", 10)");
}

} // namespace
} // namespace vantor
