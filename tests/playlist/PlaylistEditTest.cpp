#include "playlist/PlaylistEdit.h"

#include "PlaylistFixture.h"

namespace vantor::test {
namespace {

class DeleteSelectedTest : public PlaylistFixture {};

TEST_F(DeleteSelectedTest, DeletingTheOnlyEntryEmptiesTheList) {
    MakeEntries(1);
    state.SelectedIndex = 0;
    DeleteSelected(context);
    EXPECT_TRUE(state.Playlist.empty());
    EXPECT_EQ(state.HasEntries, 0);
    EXPECT_EQ(state.SelectedIndex, 0);
    EXPECT_EQ(view.thumb, 0);
    EXPECT_TRUE(view.Called("ClearSongInfoText"));
    EXPECT_EQ(playback.calls, std::vector<std::string>{"CloseTrack"});
    EXPECT_EQ(view.trackCount, 0);
}

TEST_F(DeleteSelectedTest, EmptyListIsLeftAlone) {
    DeleteSelected(context);
    EXPECT_TRUE(playback.calls.empty());
    EXPECT_EQ(view.redraws, 0);
}

TEST_F(DeleteSelectedTest, EntriesAfterMoveUpAndSlotsFollowThem) {
    MakeEntries(5);
    state.SelectedIndex = 1;
    playback.slotA = 3;
    playback.slotB = 0;
    DeleteSelected(context);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"0.mp3", "2.mp3", "3.mp3", "4.mp3"}));
    EXPECT_EQ(playback.slotA, 2);
    EXPECT_EQ(playback.slotB, 0);
    EXPECT_EQ(state.SelectedIndex, 0);
    EXPECT_TRUE(playback.calls.empty());
    EXPECT_EQ(view.currentTrack, 3);
    EXPECT_EQ(view.trackCount, 4);
}

TEST_F(DeleteSelectedTest, DeletingTheSoundingEntryOpensTheOneAfterWithoutPlaying) {
    MakeEntries(4);
    state.SelectedIndex = 3;
    playback.slotA = 3;
    DeleteSelected(context);
    EXPECT_EQ(playback.calls, (std::vector<std::string>{"CloseTrack", "OpenTrack(0)"}));
    EXPECT_EQ(playback.slotA, 2);
    EXPECT_EQ(state.SelectedIndex, 2);
    EXPECT_TRUE(view.Called("ClearSongInfoText"));

    playback.calls.clear();
    state.SelectedIndex = 1;
    playback.slotA = 1;
    DeleteSelected(context);
    EXPECT_EQ(playback.slotA, 1);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"0.mp3", "2.mp3"}));
}

TEST_F(DeleteSelectedTest, TopIndexStepsBackWhenTheSelectionIsVisible) {
    MakeEntries(30);
    state.TopIndex = 10;
    state.SelectedIndex = 12;
    playback.slotA = 0;
    DeleteSelected(context);
    EXPECT_EQ(state.TopIndex, 9);
    // 160 pixels of 16-pixel rows, minus 1.
    EXPECT_EQ(state.VisibleRows, 9);
    // 9 / (29 - 1 - 9) of the 80-pixel travel.
    EXPECT_EQ(view.thumb, 38);

    state.TopIndex = 5;
    state.SelectedIndex = 3;
    DeleteSelected(context);
    EXPECT_EQ(state.TopIndex, 5);
}

TEST_F(DeleteSelectedTest, DeletingThePreparedEntryPreparesTheNextAgain) {
    settings.NonStopMegaMix = 1;
    MakeEntries(4);
    playback.activeSlot = 1;
    playback.slotA = 3;
    playback.slotB = 0;
    state.SelectedIndex = 0;
    DeleteSelected(context);
    EXPECT_EQ(playback.calls, (std::vector<std::string>{"CloseSlot(2)", "OpenSlot(B)"}));
    EXPECT_EQ(playback.slotA, 2);
    EXPECT_EQ(playback.slotB, 0);

    playback.calls.clear();
    playback.activeSlot = 2;
    playback.slotB = 1;
    playback.slotA = 2;
    settings.PlayRandomMode = 1;
    playback.randomPick = 0;
    state.Playlist[2].Played = kFlagOn;
    state.SelectedIndex = 2;
    DeleteSelected(context);
    EXPECT_EQ(playback.calls,
              (std::vector<std::string>{"PickRandomIndex(1)", "CloseSlot(1)", "OpenSlot(A)"}));
    EXPECT_EQ(playback.slotA, 0);
}

class MoveEntryTest : public PlaylistFixture {};

TEST_F(MoveEntryTest, MovesRatherThanSwaps) {
    MakeEntries(5);
    ASSERT_TRUE(MoveEntry(state, 0, 3));
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"1.mp3", "2.mp3", "3.mp3", "0.mp3", "4.mp3"}));
    ASSERT_TRUE(MoveEntry(state, 3, 0));
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"0.mp3", "1.mp3", "2.mp3", "3.mp3", "4.mp3"}));
    ASSERT_TRUE(MoveEntry(state, 4, 2));
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"0.mp3", "1.mp3", "4.mp3", "2.mp3", "3.mp3"}));
    EXPECT_FALSE(MoveEntry(state, 0, 5));
    EXPECT_FALSE(MoveEntry(state, -1, 2));
}

TEST_F(MoveEntryTest, SlotsStayOnTheirEntries) {
    MakeEntries(6);
    playback.slotA = 1;
    playback.slotB = 4;
    MoveEntry(state, 1, 3);
    AdjustIndicesAfterMove(context, 1, 3);
    EXPECT_EQ(playback.slotA, 3);
    EXPECT_EQ(playback.slotB, 4);
    EXPECT_EQ(view.currentTrack, 4);

    playback.slotA = 2;
    playback.slotB = 4;
    AdjustIndicesAfterMove(context, 0, 3);
    EXPECT_EQ(playback.slotA, 1);
    AdjustIndicesAfterMove(context, 5, 1);
    EXPECT_EQ(playback.slotA, 2);
    EXPECT_EQ(playback.slotB, 5);
    EXPECT_TRUE(playback.calls.empty());
}

TEST_F(MoveEntryTest, MixPreparesTheEntryAfterTheSoundingOne) {
    settings.NonStopMegaMix = 1;
    MakeEntries(4);
    playback.activeSlot = 1;
    playback.slotA = 1;
    playback.slotB = 2;
    AdjustIndicesAfterMove(context, 3, 0);
    EXPECT_EQ(playback.slotA, 2);
    EXPECT_EQ(playback.slotB, 3);
    EXPECT_EQ(playback.calls, (std::vector<std::string>{"CloseSlot(2)", "OpenSlot(B)"}));

    // The moved entry was the prepared one: it is only opened again.
    playback.calls.clear();
    AdjustIndicesAfterMove(context, 3, 0);
    EXPECT_EQ(playback.slotB, 0);
    EXPECT_EQ(playback.slotA, 3);
    EXPECT_EQ(playback.calls, (std::vector<std::string>{"CloseSlot(2)", "OpenSlot(B)"}));
}

} // namespace
} // namespace vantor::test
