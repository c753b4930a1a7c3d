#include "playlist/PlaylistRows.h"

#include "PlaylistFixture.h"
#include "support/FakeTextMeasurer.h"

namespace vantor::test {
namespace {

TEST(NumberPrefix, EntriesBelowTenGetALeadingSpace) {
    EXPECT_EQ(NumberPrefix(7), " 7. ");
    EXPECT_EQ(NumberPrefix(9), " 9. ");
    EXPECT_EQ(NumberPrefix(10), "10. ");
    EXPECT_EQ(NumberPrefix(12), "12. ");
}

TEST(FitText, ExactFitIsKeptWhole) {
    FakeTextMeasurer measurer;
    EXPECT_EQ(FitText("abcdef", 60, measurer), "abcdef");
    EXPECT_EQ(FitText("", 0, measurer), "");
}

TEST(FitText, TooWideLosesCharactersUntilTheEllipsisFits) {
    FakeTextMeasurer measurer;
    // 7 characters do not fit in 60; "abc..." is 60.
    EXPECT_EQ(FitText("abcdefg", 60, measurer), "abc...");
    EXPECT_EQ(FitText("曲名がとても長い", 50, measurer), "曲名...");
    EXPECT_EQ(FitText("abcdefg", 20, measurer), "...");
}

class RowTextTest : public PlaylistFixture {
protected:
    // The title a row shows for a file of that name before its tags are read.
    std::string FallbackTitleOfFile(const std::string& name) {
        PlaylistEntry entry;
        entry.Path = dir.Write(name, "x");
        return FallbackTitle(entry);
    }

    FakeTextMeasurer measurer;
};

TEST_F(RowTextTest, FallbackTitleDropsTheExtension) {
    EXPECT_EQ(FallbackTitleOfFile("Tune.XM"), "Tune");
    EXPECT_EQ(FallbackTitleOfFile("Beat.it"), "Beat");
    EXPECT_EQ(FallbackTitleOfFile("Take.aiff"), "Take.");
    EXPECT_EQ(FallbackTitleOfFile("song.mp3"), "song");
    PlaylistEntry entry;
    // As the disk spells it.
    entry.Path = dir.Path() + "SONG.MP3";
    EXPECT_EQ(FallbackTitle(entry), "song");
    entry.Path = "/x/ab";
    EXPECT_EQ(FallbackTitle(entry), "");
}

TEST_F(RowTextTest, FallbackTitleDropsTheWholeExtensionOfTheLaterFormats) {
    EXPECT_EQ(FallbackTitleOfFile("a.flac"), "a");
    EXPECT_EQ(FallbackTitleOfFile("Live.Take.OPUS"), "Live.Take");
    EXPECT_EQ(FallbackTitleOfFile("pack.wv"), "pack");
    EXPECT_EQ(FallbackTitleOfFile("song.m4a"), "song");
}

TEST_F(RowTextTest, RowHasPrefixTitleAndTimeInTheSpaceLeft) {
    PlaylistEntry entry;
    entry.Title = "Artist - A long song";
    entry.LengthText = "3:35";
    settings.ShowTrackNumber = 1;
    settings.ShowTrackPlayTime = 1;
    // 200 pixels: prefix 40, time 40, 120 left for the title.
    const auto row = BuildRowText(entry, 8, settings, 200, measurer);
    EXPECT_EQ(row, (RowText{" 9. ", "Artist - ...", "3:35"}));

    settings.ShowTrackNumber = 0;
    settings.ShowTrackPlayTime = 0;
    EXPECT_EQ(BuildRowText(entry, 9, settings, 200, measurer),
              (RowText{"", "Artist - A long song", ""}));
}

TEST_F(RowTextTest, VisibleRowsStartAtTopIndex) {
    MakeEntries(5);
    settings.ShowTrackNumber = 1;
    state.TopIndex = 3;
    state.VisibleRows = 4;
    const auto rows = VisibleRowTexts(state, settings, 500, measurer);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].prefix, " 4. ");
    EXPECT_EQ(rows[1].title, "4");
}

TEST_F(RowTextTest, SelectedRowWinsOverThePlayingOne) {
    MakeEntries(3);
    state.SelectedIndex = 1;
    playback.slotA = 1;
    EXPECT_EQ(RowRoleOf(1, state, playback), RowRole::Selected);
    playback.slotA = 2;
    EXPECT_EQ(RowRoleOf(2, state, playback), RowRole::Playing);
    playback.activeSlot = 2;
    playback.slotB = 0;
    EXPECT_EQ(RowRoleOf(0, state, playback), RowRole::Playing);
    EXPECT_EQ(RowRoleOf(2, state, playback), RowRole::Normal);
}

} // namespace
} // namespace vantor::test
