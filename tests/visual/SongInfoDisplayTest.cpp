#include "visual/SongInfoDisplay.h"

#include "support/FakeTextPainter.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

constexpr gfx::Pixel kFace = gfx::Rgb(9, 9, 9);
constexpr gfx::Pixel kText = gfx::Rgb(255, 0, 0);

class SongInfoDisplayTest : public ::testing::Test {
protected:
    SongInfoDisplayTest() {
        SkinTextStyle& style = skin.Style(TextField::SongInfo);
        style.rect = {0, 0, 64, 8};
        style.color = 0x0000FF; // red
        surfaces.face = gfx::Surface(70, 10, kFace);
        surfaces.mainWindow = surfaces.face;
        surfaces.pressedFace = surfaces.face;
        PrepareFieldSurfaces(skin, surfaces);
    }

    gfx::Pixel At(int x, int y) const { return surfaces.mainWindow.GetPixel(x, y); }

    SkinDefinition skin;
    SkinSurfaces surfaces;
    Settings settings;
    test::FakeTextPainter painter;
    TextFieldPainter texts{skin, surfaces, painter};
    SongInfoDisplay display{skin, surfaces, settings, painter, texts};
};

TEST(RemovePrefixMarksTest, DoubledAmpersandShowsOnce) {
    EXPECT_EQ(RemovePrefixMarks("A && B"), "A & B");
    EXPECT_EQ(RemovePrefixMarks("&&&&"), "&&");
    EXPECT_EQ(RemovePrefixMarks("&File"), "File");
    EXPECT_EQ(RemovePrefixMarks("end&"), "end&");
}

TEST_F(SongInfoDisplayTest, SetsUpTheAnimationAndSkipsAnUnchangedLine) {
    display.DrawSongInfo("abcd");
    const SongInfoAnimation& state = display.State();
    EXPECT_FALSE(state.revealDone);
    EXPECT_EQ(state.textWidth, 26); // "abcdabcd" at 2 pixels + 10
    EXPECT_EQ(state.textHeight, 8);
    EXPECT_EQ(state.textTop, 2);
    EXPECT_EQ(state.offsetA, 40);
    EXPECT_EQ(state.offsetB, 66);
    ASSERT_FALSE(painter.painted.empty());
    EXPECT_EQ(painter.painted.back().text, "abcdabcd");
    const std::size_t calls = painter.painted.size();
    display.DrawSongInfo("abcd");
    EXPECT_EQ(painter.painted.size(), calls);
    display.DrawSongInfo("abcd", true);
    EXPECT_GT(painter.painted.size(), calls);
}

TEST_F(SongInfoDisplayTest, RevealBuildsEveryThirdLineThenTwoOfThreeThenWhole) {
    display.DrawSongInfo("abcd");
    // Before each tick the strips land at the current offsetA; picture rows
    // 0..3 hold text, shown from field row textTop (2).
    auto tickAndOffset = [&] {
        const int offset = display.State().offsetA;
        display.SongInfoTick();
        return offset;
    };
    int x = tickAndOffset(); // c = 0: nothing
    EXPECT_EQ(At(x, 2), kFace);
    x = tickAndOffset(); // c = 1: pass 1 only
    EXPECT_EQ(At(x, 2), kText);
    EXPECT_EQ(At(x, 5), kText);
    EXPECT_EQ(At(x, 3), kFace);
    EXPECT_EQ(At(x, 4), kFace);
    for (int c = 2; c < 4; ++c)
        tickAndOffset();
    x = tickAndOffset(); // c = 4: pass 2 adds rows 1, 4
    EXPECT_EQ(At(x, 3), kText);
    EXPECT_EQ(At(x, 4), kFace);
    for (int c = 5; c < 7; ++c)
        tickAndOffset();
    x = tickAndOffset(); // c = 7: pass 3 fills the whole block
    EXPECT_EQ(At(x, 4), kText);
    EXPECT_EQ(At(x + 1, 4), kFace);
    EXPECT_FALSE(display.State().revealDone);
}

TEST_F(SongInfoDisplayTest, RevealEndsAndTheTwoCopiesScrollWithoutAGap) {
    display.DrawSongInfo("abcd");
    for (int c = 0; c < 22; ++c)
        display.SongInfoTick();
    EXPECT_FALSE(display.State().revealDone);
    display.SongInfoTick(); // c = 22: 22 − 8 − 6 ≥ 8
    ASSERT_TRUE(display.State().revealDone);
    const int offset = display.State().offsetA;
    EXPECT_EQ(offset, 40 - 22); // moved right once to make up for this tick
    display.SongInfoTick();
    EXPECT_EQ(At(offset, 2), kText);
    EXPECT_EQ(At(offset + 15, 5), kText);
    EXPECT_EQ(At(offset + 16, 2), kFace);
    EXPECT_EQ(display.State().offsetB - display.State().offsetA, 26);
    for (int tick = 0; tick < 100; ++tick) {
        display.SongInfoTick();
        const auto& state = display.State();
        ASSERT_EQ(std::abs(state.offsetB - state.offsetA), 26) << tick;
        ASSERT_GE(std::min(state.offsetA, state.offsetB), -26);
    }
}

TEST_F(SongInfoDisplayTest, ScrollingDisabledDrawsOnceAndTicksDoNothing) {
    settings.SongInformationScrollDisable = 1;
    display.DrawSongInfo("ab");
    EXPECT_EQ(At(0, 2), kText);
    EXPECT_EQ(At(7, 2), kText);
    EXPECT_EQ(At(8, 2), kFace);
    surfaces.mainWindow.Fill(gfx::kBlack);
    display.SongInfoTick();
    EXPECT_EQ(At(0, 2), gfx::kBlack);
}

TEST_F(SongInfoDisplayTest, RedrawShowsTheLastTextAgainOverANewFace) {
    display.Redraw(); // nothing shown yet: nothing to draw
    EXPECT_TRUE(painter.painted.empty());
    settings.SongInformationScrollDisable = 1;
    display.DrawSongInfo("ab");
    const gfx::Surface shown = surfaces.mainWindow;
    surfaces.mainWindow.Fill(gfx::kBlack);
    display.Redraw();
    EXPECT_EQ(At(0, 2), kText);
    EXPECT_EQ(At(8, 2), kFace);
    EXPECT_EQ(surfaces.mainWindow.GetPixel(63, 7), shown.GetPixel(63, 7));
    EXPECT_EQ(painter.painted.back().text, "abab");
}

TEST_F(SongInfoDisplayTest, MaskWhiteShowsTheFace) {
    settings.SongInformationScrollDisable = 1;
    surfaces.songInfoMask = gfx::Surface(64, 8, gfx::kBlack);
    surfaces.songInfoMask.FillRect({0, 0, 4, 8}, gfx::kWhite);
    surfaces.songInfoMaskLoaded = true;
    display.DrawSongInfo("ab");
    EXPECT_EQ(At(3, 2), kFace);
    EXPECT_EQ(At(4, 2), kText);
}

TEST_F(SongInfoDisplayTest, IdleTextIsShownAsItStands) {
    display.DrawIdleText();
    EXPECT_EQ(painter.painted.back().text, "Vantor Ver0.92n      Vantor Ver0.92n      ");
}

} // namespace
} // namespace vantor
