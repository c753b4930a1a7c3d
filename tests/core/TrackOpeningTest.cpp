#include "core/TrackOpening.h"
#include "core/TrackControl.h"
#include "support/PlaybackHarness.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::PlaybackHarness;

class TrackOpeningTest : public ::testing::Test {
protected:
    std::vector<std::string> Opens() const { return h.recorder.LogOf("FSOUND_Stream_Open"); }
    PlaybackHarness h;
};

TEST_F(TrackOpeningTest, OpensAWholeFileWithOffsetAndLengthZero) {
    h.AddFile("/music/a.ogg", 1000);
    OpenTrack(h.ctx, 0);
    EXPECT_EQ(Opens(),
              std::vector<std::string>{"FSOUND_Stream_Open(\"/music/a.ogg\", 8496, 0, 0)"});
    EXPECT_EQ(h.player.slotA.Kind(), TrackKind::Stream);
    EXPECT_TRUE(h.vbr.asked.empty());
}

TEST_F(TrackOpeningTest, OpensAZipMemberByItsByteRange) {
    h.sound.media["/music/set.zip"] = test::SimulatedMedia::Stream(1000);
    PlaylistEntry member;
    member.Path = "/music/set.zip";
    member.MemberName = "song.ogg";
    member.MemberStart = 100;
    member.MemberEnd = 1099;
    h.Append(member);
    OpenTrack(h.ctx, 0);
    EXPECT_EQ(Opens(),
              std::vector<std::string>{"FSOUND_Stream_Open(\"/music/set.zip\", 8496, 100, 1000)"});
}

TEST_F(TrackOpeningTest, ProbesMp3NamesInAnyCaseForVbr) {
    h.AddFile("/music/A.MP3", 1000);
    h.vbr.vbrPaths.insert("/music/A.MP3");
    OpenTrack(h.ctx, 0);
    EXPECT_EQ(h.vbr.asked, std::vector<std::string>{"/music/A.MP3"});
    EXPECT_EQ(Opens(),
              std::vector<std::string>{"FSOUND_Stream_Open(\"/music/A.MP3\", 139568, 0, 0)"});
}

TEST_F(TrackOpeningTest, ProbesAZipMemberByItsMemberName) {
    h.sound.media["/music/set.zip"] = test::SimulatedMedia::Stream(1000);
    PlaylistEntry member;
    member.Path = "/music/set.zip";
    member.MemberName = "inner.mp3";
    member.MemberStart = 10;
    member.MemberEnd = 19;
    h.Append(member);
    OpenTrack(h.ctx, 0);
    EXPECT_EQ(h.vbr.asked, std::vector<std::string>{"/music/set.zipinner.mp3"});
}

TEST_F(TrackOpeningTest, NeverProbesMp2AndOpensItInTheNormalMode) {
    h.AddFile("/music/b.mp2", 1000);
    h.vbr.vbrPaths.insert("/music/b.mp2");
    OpenTrack(h.ctx, 0);
    EXPECT_TRUE(h.vbr.asked.empty());
    EXPECT_EQ(Opens(),
              std::vector<std::string>{"FSOUND_Stream_Open(\"/music/b.mp2\", 8496, 0, 0)"});
}

TEST_F(TrackOpeningTest, FallsBackToTheModuleLoaderWithMasterVolume) {
    h.AddFile("/music/tune.xm", 1000, true);
    h.recorder.Script("FMUSIC_GetType", {FMUSIC_TYPE_XM});
    OpenTrack(h.ctx, 0);
    EXPECT_EQ(h.player.slotA.Kind(), TrackKind::Music);
    EXPECT_EQ(h.recorder.CountOf("FMUSIC_LoadSong"), 1);
    EXPECT_EQ(h.recorder.LogOf("FMUSIC_SetMasterVolume").size(), 1u);
    EXPECT_EQ(h.recorder.LogOf("FMUSIC_SetMasterVolume")[0],
              "FMUSIC_SetMasterVolume(" + std::to_string(h.player.slotA.musicHandle) + ", 200)");
    EXPECT_EQ(h.recorder.CountOf("FMUSIC_SetPanSeperation"), 0);
    EXPECT_TRUE(h.messages.shown.empty());
}

TEST_F(TrackOpeningTest, GivesModAndS3mSongsAPanSeparation) {
    for (const int type : {FMUSIC_TYPE_MOD, FMUSIC_TYPE_S3M, FMUSIC_TYPE_IT}) {
        PlaybackHarness local;
        local.AddFile("/music/tune", 1000, true);
        local.recorder.Script("FMUSIC_GetType", {static_cast<double>(type)});
        OpenTrack(local.ctx, 0);
        const auto calls = local.recorder.LogOf("FMUSIC_SetPanSeperation");
        if (type == FMUSIC_TYPE_IT) {
            EXPECT_TRUE(calls.empty());
        } else {
            ASSERT_EQ(calls.size(), 1u) << type;
            EXPECT_EQ(calls[0], "FMUSIC_SetPanSeperation(" +
                                    std::to_string(local.player.slotA.musicHandle) + ", 0.15)");
        }
    }
}

TEST_F(TrackOpeningTest, AFileNothingOpensLeavesTheSlotEmptyWithAMessage) {
    h.AddFile("/music/broken.xyz", 1000);
    h.sound.media.clear();
    h.recorder.Script("FSOUND_GetError", {kSoundErrorFileFormat});
    OpenTrack(h.ctx, 0);
    EXPECT_EQ(h.player.slotA.Kind(), TrackKind::None);
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].text, "Error while opening file\r\nUnknown file format");
    EXPECT_EQ(h.messages.shown[0].title, "Vantor");
    // A later start does nothing for the empty slot.
    PlayTrack(h.ctx);
    EXPECT_EQ(h.player.slotA.playing, 0);
    EXPECT_EQ(h.recorder.CountOf("FSOUND_Stream_PlayEx") + h.recorder.CountOf("FMUSIC_PlaySong"),
              0);
}

TEST_F(TrackOpeningTest, OpensACdTrackAsASubStreamOfTheDrive) {
    h.AddCdTrack("E:", 2, {1000, 2000, 3000});
    OpenTrack(h.ctx, 0);
    EXPECT_EQ(Opens(), std::vector<std::string>{"FSOUND_Stream_Open(\"E:\", 8528, 0, 0)"});
    EXPECT_EQ(h.recorder.LogOf("FSOUND_Stream_SetSubStream"),
              std::vector<std::string>{"FSOUND_Stream_SetSubStream(" +
                                       std::to_string(h.player.slotA.streamHandle) + ", 2)"});
    EXPECT_EQ(h.recorder.CountOf("FMUSIC_LoadSong"), 0);
}

TEST_F(TrackOpeningTest, ACdDriveThatDoesNotOpenIsNotTriedAsAModule) {
    h.AddCdTrack("E:", 0, {});
    h.sound.media.clear();
    OpenTrack(h.ctx, 0);
    EXPECT_EQ(h.recorder.CountOf("FMUSIC_LoadSong"), 0);
    EXPECT_EQ(h.recorder.CountOf("FSOUND_Stream_SetSubStream"), 0);
    EXPECT_EQ(h.messages.shown.size(), 1u);
}

TEST_F(TrackOpeningTest, ClearsTheSeekFillOnlyForRedrawFlagZero) {
    h.AddFile("/a.ogg", 1000);
    OpenTrack(h.ctx, 1);
    EXPECT_FALSE(h.view.Saw("ClearSeekFill"));
    OpenTrack(h.ctx, 0);
    EXPECT_TRUE(h.view.Saw("ClearSeekFill"));
}

TEST_F(TrackOpeningTest, ReopeningASlotReleasesWhatItHeld) {
    h.AddFile("/a.ogg", 1000);
    OpenTrack(h.ctx, 0);
    PlayTrack(h.ctx);
    OpenTrack(h.ctx, 0);
    EXPECT_EQ(h.sound.OpenCount(), 1);
    EXPECT_EQ(h.recorder.CountOf("FSOUND_Stream_Close"), 1);
}

TEST_F(TrackOpeningTest, StartingTheMixOpensBothSlots) {
    h.settings.NonStopMegaMix = 1;
    h.AddFile("/a.ogg", 1000);
    h.AddFile("/b.ogg", 1000);
    h.AddFile("/c.ogg", 1000);
    h.player.currentIndex() = 2;
    OpenTrack(h.ctx, 0);
    EXPECT_EQ(h.player.slotB.entryIndex, 0);
    EXPECT_EQ(Opens(), (std::vector<std::string>{"FSOUND_Stream_Open(\"/c.ogg\", 8496, 0, 0)",
                                                 "FSOUND_Stream_Open(\"/a.ogg\", 8496, 0, 0)"}));
}

TEST_F(TrackOpeningTest, RepreparingTheMixWhileSlotASoundsKeepsItPlaying) {
    h.settings.NonStopMegaMix = 1;
    h.AddFile("/a.ogg", 1000);
    h.AddFile("/b.ogg", 1000);
    OpenTrack(h.ctx, 0);
    PlayTrack(h.ctx);
    CloseSlot(h.ctx, 2);
    OpenTrack(h.ctx, 1);
    EXPECT_TRUE(h.player.slotA.IsPlaying());
    EXPECT_EQ(h.recorder.LogOf("FSOUND_Stream_Open").size(), 3u);
    EXPECT_EQ(h.recorder.CountOf("FSOUND_Stream_Stop"), 0);
    EXPECT_EQ(h.recorder.CountOf("FSOUND_Stream_Close"), 1);
}

TEST_F(TrackOpeningTest, CloseTrackReleasesBothSlotsAndClearsThePitchBuffer) {
    h.settings.NonStopMegaMix = 1;
    h.AddFile("/a.ogg", 1000);
    h.AddFile("/b.xm", 1000, true);
    OpenTrack(h.ctx, 0);
    PlayTrack(h.ctx);
    h.player.activeSlot = kMixSlotASounding;
    CloseTrack(h.ctx);
    EXPECT_EQ(h.sound.OpenCount(), 0);
    EXPECT_EQ(h.player.slotA, (PlaybackSlot{0, 0, 0, 0, 0}));
    EXPECT_EQ(h.player.slotB.Kind(), TrackKind::None);
    EXPECT_EQ(h.player.slotB.entryIndex, 1);
    EXPECT_EQ(h.player.activeSlot, kOrdinaryPlayback);
    EXPECT_EQ(h.recorder.CountOf("ClearDspBuffer"), 1);
    EXPECT_EQ(h.recorder.CountOf("FMUSIC_FreeSong"), 1);
}

} // namespace
} // namespace vantor
