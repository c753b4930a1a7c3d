#include "cd/CdListing.h"
#include "cd/CdCommands.h"
#include "playlist/PlaylistFile.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMediaProbe.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePlaybackControl.h"
#include "support/FakePlaylistView.h"
#include "support/FakeSoundLibrary.h"

#include <gtest/gtest.h>

#include <set>

namespace vantor {
namespace {

using Lines = std::vector<std::string>;

class FakeDriveTypes : public DriveTypes {
public:
    std::int32_t DriveType(const std::string& drive) const override {
        asked.push_back(drive);
        return cdDrives.count(drive) > 0 ? kDriveCdRom : 3;
    }
    std::set<std::string> cdDrives;
    mutable std::vector<std::string> asked;
};

class CdListingTest : public ::testing::Test {
protected:
    test::FakeSoundSystem system;
    test::FakeMessageBoxes messages;
    FakeDriveTypes drives;
};

TEST_F(CdListingTest, NoDrivesGiveTheNoDeviceLineAndNothingElseHappens) {
    EXPECT_EQ(ListCdDrives(system.sound, drives, messages), Lines{"No CD\\DVD devices found!"});
    EXPECT_EQ(drives.asked.size(), 26u);
    EXPECT_EQ(drives.asked.front(), "a:");
    EXPECT_EQ(drives.asked.back(), "z:");
    EXPECT_TRUE(ListCdTracks(system.sound, "No CD\\DVD devices found!").empty());
    EjectCd(system.sound, "No CD\\DVD devices found!");
    EXPECT_TRUE(system.recorder.calls.empty());
}

TEST_F(CdListingTest, EachCdDriveIsListedWithTheSecondLineOfItsDeviceInfo) {
    drives.cdDrives = {"e:", "g:"};
    system.sound.tagFields["CD_DEVICE_INFO"] =
        std::string("HL-DT-ST\r\nDVDRAM GH24\r\nrev 1\0x", 28);
    EXPECT_EQ(ListCdDrives(system.sound, drives, messages),
              (Lines{"E: DVDRAM GH24", "G: DVDRAM GH24"}));
    EXPECT_EQ(
        system.recorder.LogOf("FSOUND_Stream_Open"),
        (Lines{"FSOUND_Stream_Open(\"e:*?\", 0, 0, 0)", "FSOUND_Stream_Open(\"g:*?\", 0, 0, 0)"}));
    EXPECT_EQ(system.recorder.LogOf("FSOUND_Stream_FindTagField")[0],
              "FSOUND_Stream_FindTagField(1, 6, \"CD_DEVICE_INFO\")");
    // Every query stream is closed again.
    EXPECT_EQ(system.recorder.CountOf("FSOUND_Stream_Close"), 2);
}

TEST_F(CdListingTest, AnUnreadableDeviceInfoEndsTheListingWithTheMessage) {
    drives.cdDrives = {"d:", "e:"};
    system.sound.tagFields["CD_DEVICE_INFO"] = "one line only";
    EXPECT_TRUE(ListCdDrives(system.sound, drives, messages).empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "どっかーん");
}

TEST_F(CdListingTest, ATwelveTrackCdListsTwelveRowsWithTheirEntries) {
    system.recorder.Script("FSOUND_Stream_GetNumSubStreams", {12});
    system.recorder.Script("FSOUND_Stream_GetLengthMs", {215500, 61000, 1000});
    const auto rows = ListCdTracks(system.sound, "E: DVDRAM GH24");
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(system.recorder.LogOf("FSOUND_Stream_Open"),
              Lines{"FSOUND_Stream_Open(\"E:*!\", 0, 0, 0)"});
    EXPECT_EQ(rows[0].caption, "Track1");
    EXPECT_EQ(rows[11].caption, "Track12");
    EXPECT_EQ(rows[0].lengthText, "03:36");
    EXPECT_EQ(rows[1].lengthText, "01:01");
    const PlaylistEntry& first = rows[0].entry;
    EXPECT_EQ(first.IsCdTrack, kFlagOn);
    EXPECT_EQ(first.CdDrive, "E:");
    EXPECT_EQ(first.Path, "E:");
    EXPECT_EQ(first.CdTrack, 0);
    EXPECT_EQ(first.LengthMs, Fixed4::FromInteger(215500));
    // As the playlist shows every length, and as the entry reads back.
    EXPECT_EQ(first.LengthText, "3:36");
    EXPECT_TRUE(first.Title.empty());
    EXPECT_EQ(rows[11].entry.CdTrack, 11);
    EXPECT_EQ(system.recorder.LogOf("FSOUND_Stream_SetSubStream").back(),
              "FSOUND_Stream_SetSubStream(1, 11)");
    EXPECT_EQ(system.recorder.CountOf("FSOUND_Stream_Close"), 1);
}

TEST_F(CdListingTest, ADriveWithoutAMediumYieldsNoTracks) {
    system.recorder.Script("FSOUND_Stream_Open", {0});
    EXPECT_TRUE(ListCdTracks(system.sound, "E: DVDRAM GH24").empty());
    EXPECT_EQ(system.recorder.CountOf("FSOUND_Stream_GetNumSubStreams"), 0);
}

TEST_F(CdListingTest, EjectSendsTheDriveLetter) {
    EjectCd(system.sound, "F: DVD");
    EXPECT_EQ(system.recorder.Log(), Lines{"FSOUND_CD_Eject('F')"});
}

TEST_F(CdListingTest, AnImageLineIsTheImagesPathAndEjectsNothing) {
    EXPECT_EQ(CdDriveOfLine("E: DVDRAM GH24"), "E:");
    EXPECT_EQ(CdDriveOfLine("/discs/E: live.cue"), "/discs/E: live.cue");
    EXPECT_EQ(CdDriveOfLine(kNoCdDevices), "");
    system.recorder.Script("FSOUND_Stream_GetNumSubStreams", {1});
    system.recorder.Script("FSOUND_Stream_GetLengthMs", {4000});
    const auto rows = ListCdTracks(system.sound, "/discs/a.cue");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].entry.CdDrive, "/discs/a.cue");
    EXPECT_EQ(system.recorder.LogOf("FSOUND_Stream_Open"),
              Lines{"FSOUND_Stream_Open(\"/discs/a.cue*!\", 0, 0, 0)"});
    EjectCd(system.sound, "/discs/a.cue");
    EXPECT_EQ(system.recorder.CountOf("FSOUND_CD_Eject"), 0);
}

TEST_F(CdListingTest, ACdEntrySurvivesASavedPlaylist) {
    system.recorder.Script("FSOUND_Stream_GetNumSubStreams", {3});
    system.recorder.Script("FSOUND_Stream_GetLengthMs", {30000});
    PlaylistState saved;
    saved.Playlist.push_back(ListCdTracks(system.sound, "E: DVD")[2].entry);
    saved.HasEntries = 1;
    PlaylistState loaded;
    loaded.ResetToSpare();
    ASSERT_TRUE(ReadPlaylistText(FormatPlaylistText(saved, "/lists/"), "/lists/", loaded));
    ASSERT_GE(loaded.Playlist.size(), 1u);
    EXPECT_EQ(loaded.Playlist[0].IsCdTrack, kFlagOn);
    EXPECT_EQ(loaded.Playlist[0].CdDrive, "E:");
    EXPECT_EQ(loaded.Playlist[0].CdTrack, 2);
}

class CdCommandsTest : public ::testing::Test {
protected:
    CdCommandsTest() {
        for (int i = 0; i < 3; ++i) {
            PlaylistEntry entry;
            entry.IsCdTrack = kFlagOn;
            entry.CdDrive = entry.Path = "E:";
            entry.CdTrack = i;
            rows.push_back({"Track" + std::to_string(i + 1), "01:00", "", entry});
        }
    }
    void Files(int count) {
        for (int i = 0; i < count; ++i) {
            PlaylistEntry entry;
            entry.Path = "/f" + std::to_string(i) + ".ogg";
            state.Playlist.push_back(entry);
        }
        state.HasEntries = 1;
    }
    PlaylistState state;
    Settings settings;
    test::FakePlaybackControl playback;
    test::FakePlaylistView view;
    test::FakeMediaProbe media;
    test::FakeMessageBoxes messages;
    test::FakeFileDialogs dialogs;
    PlaylistContext context{state, settings, playback, view, media, messages, dialogs};
    std::vector<CdTrackRow> rows;
};

TEST_F(CdCommandsTest, PlayReplacesTheListWithTheTickedTracksAndOpensTheFirst) {
    Files(2);
    playback.slotA = 1;
    PlayCdTracks(context, rows, {false, true, true});
    ASSERT_EQ(state.Playlist.size(), 2u);
    EXPECT_EQ(state.Playlist[0].CdTrack, 1);
    EXPECT_EQ(state.Playlist[1].CdTrack, 2);
    EXPECT_EQ(playback.slotA, 0);
    EXPECT_EQ(playback.calls, (Lines{"StopTrack", "CloseTrack", "OpenTrack(0)"}));
    EXPECT_TRUE(view.Called("DrawSongInfo"));
    settings.AutoPlay = 1;
    PlayCdTracks(context, rows, {true, false, false});
    EXPECT_EQ(playback.calls.back(), "PlayTrack");
}

TEST_F(CdCommandsTest, PlayWithNothingTickedEmptiesTheListAndClearsTheSongInfo) {
    Files(2);
    PlayCdTracks(context, rows, {false, false, false});
    EXPECT_EQ(state.HasEntries, 0);
    EXPECT_TRUE(state.Playlist.empty());
    EXPECT_TRUE(view.Called("ClearSongInfoText"));
    EXPECT_EQ(playback.calls, (Lines{"StopTrack", "CloseTrack"}));
}

TEST_F(CdCommandsTest, AddToAnEmptyListOpensTheFirstWithoutPlaying) {
    AddCdTracks(context, rows, {true, true, false});
    EXPECT_EQ(state.EntryCount(), 2);
    EXPECT_EQ(playback.calls, Lines{"OpenTrack(0)"});
    EXPECT_TRUE(view.Called("DrawSongInfo"));
}

TEST_F(CdCommandsTest, AddBehindTheSoundingLastEntryKeepsTheMixGoing) {
    Files(2);
    settings.NonStopMegaMix = 1;
    playback.activeSlot = 1;
    playback.slotA = 1;
    AddCdTracks(context, rows, {true, false, false});
    EXPECT_EQ(state.EntryCount(), 3);
    EXPECT_EQ(playback.slotB, 2);
    EXPECT_EQ(playback.calls, (Lines{"CloseSlot(2)", "OpenSlot(B)"}));
}

TEST_F(CdCommandsTest, ListingStopsACurrentCdTrackOnly) {
    Files(1);
    StopCdTrackBeforeListing(context);
    EXPECT_TRUE(playback.calls.empty());
    state.Playlist[0].IsCdTrack = kFlagOn;
    StopCdTrackBeforeListing(context);
    EXPECT_EQ(playback.calls, Lines{"StopTrack"});
}

} // namespace
} // namespace vantor
