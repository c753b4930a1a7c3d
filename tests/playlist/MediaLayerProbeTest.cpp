#include "playlist/MediaLayerProbe.h"

#include "support/FakeSoundLibrary.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

class MediaLayerProbeTest : public ::testing::Test {
protected:
    CallRecorder recorder;
    FakeSoundLibrary sound{recorder};
    SongTextContext texts;
    MediaLayerProbe probe{sound, texts};
};

TEST_F(MediaLayerProbeTest, StreamLengthOpensTheWholeFileOrTheMembersBytes) {
    recorder.Script("FSOUND_Stream_GetLengthMs", {215000});
    PlaylistEntry file;
    file.Path = "/m/a.ogg";
    EXPECT_EQ(probe.PlayLengthMs(file), Fixed4::FromInteger(215000));

    PlaylistEntry member;
    member.Path = "/m/pack.zip";
    member.MemberName = "b.mp3";
    member.MemberStart = 100;
    member.MemberEnd = 1099;
    probe.PlayLengthMs(member);
    EXPECT_EQ(recorder.LogOf("FSOUND_Stream_Open"),
              (std::vector<std::string>{"FSOUND_Stream_Open(\"/m/a.ogg\", 304, 0, 0)",
                                        "FSOUND_Stream_Open(\"/m/pack.zip\", 304, 100, 1000)"}));
    EXPECT_EQ(recorder.CountOf("FSOUND_Stream_Close"), 2);
}

TEST_F(MediaLayerProbeTest, WhatOpensNeitherAsStreamNorAsSongGivesNoLength) {
    recorder.Script("FSOUND_Stream_Open", {0});
    recorder.Script("FMUSIC_LoadSong", {0});
    PlaylistEntry file;
    file.Path = "/m/broken.ogg";
    EXPECT_EQ(probe.PlayLengthMs(file), std::nullopt);
    EXPECT_EQ(recorder.CountOf("FSOUND_Stream_Close"), 0);
}

TEST_F(MediaLayerProbeTest, ASongGivesItsLengthWhenTheLibraryKnowsIt) {
    recorder.Script("FSOUND_Stream_Open", {0, 0, 0});
    recorder.Script("FMUSIC_GetLengthMs", {7680, 0});
    PlaylistEntry song;
    song.Path = "/m/tune.mod";
    EXPECT_EQ(probe.PlayLengthMs(song), Fixed4::FromInteger(7680));
    EXPECT_EQ(probe.PlayLengthMs(song), std::nullopt);
    EXPECT_EQ(recorder.CountOf("FMUSIC_FreeSong"), 2);

    // A ZIP member is never handed to the music loader.
    PlaylistEntry member;
    member.Path = "/m/pack.zip";
    member.MemberName = "tune.mod";
    member.MemberEnd = 99;
    EXPECT_EQ(probe.PlayLengthMs(member), std::nullopt);
    EXPECT_EQ(recorder.CountOf("FMUSIC_LoadSong"), 2);
}

TEST_F(MediaLayerProbeTest, SongTrackCarriesTheEntrysFields) {
    PlaylistEntry entry;
    entry.Path = "/m/pack.zip";
    entry.MemberName = "x.mp3";
    entry.MemberStart = 5;
    entry.MemberEnd = 9;
    entry.LengthText = "1:00";
    entry.LengthMs = Fixed4::FromInteger(60000);
    entry.IsCdTrack = kFlagOn;
    entry.CdDrive = "/dev/cdrom";
    const auto track = SongTrackOf(entry);
    EXPECT_EQ(track.Path, entry.Path);
    EXPECT_EQ(track.MemberName, "x.mp3");
    EXPECT_EQ(track.MemberStart, 5);
    EXPECT_EQ(track.MemberEnd, 9);
    EXPECT_EQ(track.LengthText, "1:00");
    EXPECT_EQ(track.LengthMs, Fixed4::FromInteger(60000));
    EXPECT_TRUE(track.IsCdTrack);
    EXPECT_EQ(track.CdDrive, "/dev/cdrom");
}

TEST_F(MediaLayerProbeTest, TitleOfAFileWithoutTagsFollowsTheTemplate) {
    PlaylistEntry entry;
    entry.Path = "/nowhere/Song.mp3";
    EXPECT_EQ(probe.BuildSongText("%2 - %1", entry), "Song - No Artist");
}

} // namespace
} // namespace vantor::test
