#include "playlist/PlaylistWindow.h"

#include "PlaylistFixture.h"
#include "playlist/WindowDocking.h"
#include "support/FakeTextMeasurer.h"

namespace vantor::test {
namespace {

class PlaylistWindowTest : public PlaylistFixture {
protected:
    // Rows are 16 pixels high; ten rows fit.
    void Entries(int count) {
        MakeEntries(count);
        state.VisibleRows = std::min(9, count - 1);
    }
    FakeTextMeasurer measurer;
    PlaylistWindow window{context, measurer};
};

TEST_F(PlaylistWindowTest, PressSelectsTheRowUnderThePointer) {
    Entries(20);
    state.TopIndex = 5;
    window.OnListPress(40, PointerButton::Left);
    EXPECT_EQ(state.SelectedIndex, 7);
    EXPECT_TRUE(window.State().DragArmed);
    EXPECT_EQ(view.redraws, 1);
}

TEST_F(PlaylistWindowTest, PressBelowTheLastRowChangesNothing) {
    Entries(3);
    state.SelectedIndex = 1;
    window.OnListPress(16 * 3 + 2, PointerButton::Left);
    window.OnListPress(16 * 5, PointerButton::Right);
    EXPECT_EQ(state.SelectedIndex, 1);
    EXPECT_FALSE(window.State().DragArmed);
    EXPECT_EQ(view.redraws, 0);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(PlaylistWindowTest, RightButtonOpensTheRowMenuOrTheMainMenuBelowTheRows) {
    Entries(3);
    state.Playlist[2].Title = "Third";
    window.OnListPress(35, PointerButton::Right);
    window.OnListRelease(PointerButton::Right);
    EXPECT_EQ(view.calls, std::vector<std::string>{"ShowRowMenu"});
    EXPECT_EQ(view.toolTip, "Third");

    view.calls.clear();
    window.OnListPress(200, PointerButton::Right);
    window.OnListRelease(PointerButton::Right);
    EXPECT_EQ(view.calls, std::vector<std::string>{"ShowMainMenuPopup"});
}

TEST_F(PlaylistWindowTest, DoubleClickPlaysOnlyAfterAPressOnARow) {
    Entries(4);
    window.OnListDoubleClick();
    EXPECT_TRUE(playback.calls.empty());

    window.OnListPress(33, PointerButton::Left);
    window.OnListRelease(PointerButton::Left);
    window.OnListDoubleClick();
    EXPECT_EQ(playback.calls,
              (std::vector<std::string>{"StopTrack", "CloseTrack", "OpenTrack(0)", "PlayTrack"}));
    EXPECT_EQ(playback.slotA, 2);
    EXPECT_EQ(view.currentTrack, 3);
    EXPECT_FALSE(window.State().DragArmed);

    playback.calls.clear();
    window.OnListDoubleClick();
    EXPECT_TRUE(playback.calls.empty());
}

TEST_F(PlaylistWindowTest, DraggingMovesTheEntryAndTheSelectionFollows) {
    Entries(5);
    state.Playlist[0].Title = "Zero";
    playback.slotA = 0;
    window.OnListPress(2, PointerButton::Left);
    window.OnListDrag(16 * 2 + 3);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"1.mp3", "2.mp3", "0.mp3", "3.mp3", "4.mp3"}));
    EXPECT_EQ(state.SelectedIndex, 2);
    EXPECT_EQ(playback.slotA, 2);
    EXPECT_EQ(view.toolTip, "Zero");
    // Past the end the entry stops at the last place.
    window.OnListDrag(16 * 30);
    EXPECT_EQ(state.SelectedIndex, 4);
    EXPECT_EQ(FileNames().back(), "0.mp3");
}

TEST_F(PlaylistWindowTest, DragWithoutAPressMovesNothing) {
    Entries(3);
    window.OnListDrag(40);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"0.mp3", "1.mp3", "2.mp3"}));
}

TEST_F(PlaylistWindowTest, DownArrowScrollsAndStopsAtTheLastEntry) {
    Entries(12);
    state.SelectedIndex = 9;
    window.OnKeyDown();
    EXPECT_EQ(state.SelectedIndex, 10);
    EXPECT_EQ(state.TopIndex, 1);
    EXPECT_EQ(view.thumb, 40);
    window.OnKeyDown();
    window.OnKeyDown();
    EXPECT_EQ(state.SelectedIndex, 11);
    EXPECT_EQ(state.TopIndex, 2);
    EXPECT_EQ(view.thumb, 80);
}

TEST_F(PlaylistWindowTest, ArrowsBringAnOutOfViewSelectionBack) {
    Entries(40);
    state.TopIndex = 20;
    state.SelectedIndex = 2;
    window.OnKeyDown();
    EXPECT_EQ(state.SelectedIndex, 20);
    state.SelectedIndex = 35;
    window.OnKeyDown();
    EXPECT_EQ(state.SelectedIndex, 20);
    state.SelectedIndex = 2;
    window.OnKeyUp();
    EXPECT_EQ(state.SelectedIndex, 29);
    state.SelectedIndex = 20;
    window.OnKeyUp();
    EXPECT_EQ(state.SelectedIndex, 19);
    EXPECT_EQ(state.TopIndex, 19);
    state.SelectedIndex = 0;
    state.TopIndex = 0;
    window.OnKeyUp();
    EXPECT_EQ(state.SelectedIndex, 0);
    EXPECT_EQ(state.TopIndex, 0);
}

TEST_F(PlaylistWindowTest, EnterReopensTheSelectedEntryAndPlays) {
    Entries(3);
    state.SelectedIndex = 1;
    window.OnEnter();
    EXPECT_EQ(playback.calls,
              (std::vector<std::string>{"CloseTrack", "OpenTrack(0)", "PlayTrack"}));
    EXPECT_EQ(playback.slotA, 1);
}

TEST_F(PlaylistWindowTest, KeysOnAnEmptyListDoNothing) {
    window.OnKeyDown();
    window.OnEnter();
    EXPECT_TRUE(playback.calls.empty());
    EXPECT_EQ(view.redraws, 0);
}

TEST_F(PlaylistWindowTest, UpAndDownButtonsMoveOnPressAndRepeatWhileHeld) {
    Entries(3);
    window.OnButtonPress(kButtonDown);
    EXPECT_EQ(state.SelectedIndex, 1);
    EXPECT_TRUE(view.repeatTimer);
    window.OnRepeatTick();
    EXPECT_EQ(state.SelectedIndex, 2);
    window.OnRepeatTick();
    EXPECT_FALSE(view.repeatTimer);
    EXPECT_EQ(state.SelectedIndex, 2);

    window.OnButtonPress(kButtonUp);
    window.OnButtonRelease(kButtonUp);
    EXPECT_FALSE(view.repeatTimer);
    window.OnRepeatTick();
    EXPECT_EQ(state.SelectedIndex, 1);

    // At the first entry a press has nowhere to go and starts nothing.
    state.SelectedIndex = 0;
    window.OnButtonPress(kButtonUp);
    EXPECT_EQ(state.SelectedIndex, 0);
    EXPECT_FALSE(view.repeatTimer);
}

TEST_F(PlaylistWindowTest, MoveButtonsMoveTheSelectedEntry) {
    Entries(3);
    state.SelectedIndex = 0;
    window.OnButtonRelease(kButtonMoveUp);
    EXPECT_EQ(FileNames().front(), "0.mp3");
    window.OnButtonRelease(kButtonMoveDown);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"1.mp3", "0.mp3", "2.mp3"}));
    EXPECT_EQ(state.SelectedIndex, 1);
    window.OnButtonRelease(kButtonMoveUp);
    EXPECT_EQ(FileNames().front(), "0.mp3");
    EXPECT_EQ(state.SelectedIndex, 0);
}

TEST_F(PlaylistWindowTest, ClearEmptiesEverything) {
    Entries(3);
    window.OnButtonRelease(kButtonClear);
    EXPECT_TRUE(state.Playlist.empty());
    EXPECT_EQ(state.HasEntries, 0);
    EXPECT_EQ(view.timeText, "00:00 / 00:00");
    EXPECT_TRUE(view.Called("ResetSeekBar"));
    EXPECT_TRUE(view.Called("ClearTrackFields"));
}

TEST_F(PlaylistWindowTest, LoadOpensTheListWithoutPlaying) {
    const auto song = dir.Write("a.mp3", "x");
    const auto list = dir.Write("l.dvl", "a.mp3\r\n");
    settings.AutoPlay = 1;
    dialogs.openResult = {list};
    window.OnButtonRelease(kButtonLoad);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, "open");
    EXPECT_EQ(dialogs.asked[0].title, "PlayListを開く");
    EXPECT_EQ(dialogs.asked[0].filter,
              "PlayListFile (*.DVL;*.M3U;*.M3U8;*.PLS;*.XSPF)|*.DVL;*.M3U;*.M3U8;*.PLS;*.XSPF|");
    EXPECT_EQ(Paths(), std::vector<std::string>{song});
    EXPECT_EQ(playback.calls,
              (std::vector<std::string>{"StopTrack", "CloseTrack", "OpenTrack(0)"}));
    EXPECT_EQ(settings.AutoPlay, 1);
}

TEST_F(PlaylistWindowTest, SaveWritesTheChosenFileAndReportsFailure) {
    Entries(1);
    dialogs.saveResult = dir.File("out.m3u");
    window.OnButtonRelease(kButtonSave);
    EXPECT_EQ(dialogs.asked[0].title, "PlayListを保存する");
    EXPECT_EQ(dialogs.asked[0].filter,
              "PlayListFile (*.M3U)|*.M3U|DorvanPlayListFile (*.DVL)|*.DVL|");
    EXPECT_EQ(ReadWholeFile(dialogs.saveResult), "#VantorExt:0,\r\n/music/0.mp3\r\n");
    EXPECT_TRUE(messages.shown.empty());

    dialogs.saveResult = dir.Path() + "missing/out.m3u";
    window.OnButtonRelease(kButtonSave);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error : SavePlaylistFile");
}

TEST_F(PlaylistWindowTest, PlaybackButtonsReachThePlayer) {
    for (const auto button : {kButtonStop, kButtonPause, kButtonNext, kButtonPrevious, kButtonPlay})
        window.OnButtonRelease(button);
    EXPECT_EQ(playback.calls, (std::vector<std::string>{"StopTrack", "TogglePause", "NextTrack",
                                                        "PreviousTrack", "PlayCommand"}));
    window.OnButtonRelease(kButtonChangeSkin, 2);
    window.OnButtonRelease(kButtonAbout);
    settings.PlayListVisible = 1;
    window.OnButtonRelease(kButtonClose);
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"ApplySkinTarget:2", "ShowAbout", "HideWindow"}));
    EXPECT_EQ(settings.PlayListVisible, 0);
}

TEST_F(PlaylistWindowTest, LinkButtonStoresTheOffset) {
    view.position = {500, 300};
    view.mainPosition = {200, 100};
    window.OnButtonRelease(kButtonLink);
    EXPECT_EQ(settings.PlayListLinkMode, 1);
    EXPECT_EQ(settings.PlayListLinkX, 300);
    EXPECT_EQ(settings.PlayListLinkY, 200);
    EXPECT_TRUE(view.Called("DrawLinkButton:pressed"));
    window.OnButtonRelease(kButtonLink);
    EXPECT_EQ(settings.PlayListLinkMode, 0);
}

TEST_F(PlaylistWindowTest, ScrollFieldSetsTheTopIndex) {
    Entries(30);
    // 20 hidden rows over 80 pixels of travel; the thumb's middle follows.
    window.OnScrollField(50);
    EXPECT_EQ(view.thumb, 40);
    EXPECT_EQ(state.TopIndex, 10);
    window.OnScrollField(500);
    EXPECT_EQ(view.thumb, 80);
    EXPECT_EQ(state.TopIndex, 20);
    window.OnScrollField(-5);
    EXPECT_EQ(state.TopIndex, 0);

    Entries(5);
    state.TopIndex = 0;
    view.thumb = -1;
    window.OnScrollField(50);
    EXPECT_EQ(view.thumb, -1);
}

TEST_F(PlaylistWindowTest, InformationShowsTheSelectedEntrysText) {
    Entries(2);
    state.SelectedIndex = 1;
    window.OnMenuInformation();
    EXPECT_TRUE(view.Called("ShowFileInfo:info of /music/1.mp3"));
    window.OnMenuDelete();
    EXPECT_EQ(state.Playlist.size(), 1u);
}

TEST_F(PlaylistWindowTest, DropAppendsFiles) {
    Entries(1);
    const auto a = dir.Write("d.ogg", "x");
    window.OnDrop({a});
    EXPECT_EQ(state.Playlist.back().Path, a);
}

TEST_F(PlaylistWindowTest, TagTickKeepsTheTotal) {
    Entries(1);
    state.Playlist[0].Title = "T";
    state.Playlist[0].LengthMs = Fixed4::FromInteger(5000);
    window.OnTagReaderTick();
    EXPECT_EQ(window.State().TotalTimeText, "00:05");
    window.OnTagReaderTick();
    EXPECT_EQ(window.State().TotalTimeText, "00:05");
}

TEST_F(PlaylistWindowTest, RowsAreBuiltForTheListWidth) {
    Entries(2);
    settings.ShowTrackNumber = 1;
    const auto rows = window.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].prefix, " 2. ");
    EXPECT_EQ(rows[1].title, "1");
}

class WindowDragTest : public PlaylistWindowTest {
protected:
    std::array<PixelPoint, 4> links{PixelPoint{0, 0}, PixelPoint{0, 116}, PixelPoint{275, 0},
                                    PixelPoint{}};
};

TEST_F(WindowDragTest, FirstMoveReleasesTheLink) {
    settings.PlayListLinkMode = 1;
    view.position = {600, 600};
    window.OnFacePress({610, 605});
    window.OnFaceDrag({710, 705}, links);
    EXPECT_EQ(settings.PlayListLinkMode, 0);
    EXPECT_EQ(view.position, (PixelPoint{700, 700}));
    EXPECT_EQ(view.calls, std::vector<std::string>{"DrawLinkButton:face"});
    window.OnFaceDrag({720, 705}, links);
    EXPECT_EQ(view.calls.size(), 1u);
}

TEST_F(WindowDragTest, DocksBelowOrBesideTheMainWindow) {
    view.mainPosition = {100, 100};
    view.position = {500, 500};
    window.OnFacePress({500, 500});
    // (0, 0) is skipped, so the corner 14 pixels from the main window's own
    // corner does not dock; 14 from (100, 216) does.
    window.OnFaceDrag({114, 114}, links);
    EXPECT_EQ(view.position, (PixelPoint{114, 114}));
    EXPECT_EQ(settings.PlayListLinkMode, 0);
    window.OnFaceDrag({114, 230}, links);
    EXPECT_EQ(view.position, (PixelPoint{100, 216}));
    EXPECT_EQ(settings.PlayListLinkMode, 1);
    EXPECT_EQ(settings.PlayListLinkX, 0);
    EXPECT_EQ(settings.PlayListLinkY, 116);
    EXPECT_TRUE(view.Called("DrawLinkButton:pressed"));
    // 15 pixels away is too far.
    window.OnFaceDrag({390, 115}, links);
    EXPECT_EQ(view.position, (PixelPoint{390, 115}));
}

TEST(WindowDocking, EdgesSnapWithinTenPixels) {
    const PixelRect area{0, 0, 1000, 800};
    const PixelPoint size{300, 400};
    EXPECT_EQ(SnapToWorkArea({9, 9}, size, area), (PixelPoint{0, 0}));
    EXPECT_EQ(SnapToWorkArea({10, -10}, size, area), (PixelPoint{10, -10}));
    EXPECT_EQ(SnapToWorkArea({695, 405}, size, area), (PixelPoint{700, 400}));
    EXPECT_EQ(SnapToWorkArea({500, 300}, size, area), (PixelPoint{500, 300}));
}

} // namespace
} // namespace vantor::test
