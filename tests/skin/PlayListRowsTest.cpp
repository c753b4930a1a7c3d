#include "skin/PlayListRows.h"

#include "BarFixture.h"
#include "gfx/Blit.h"

namespace vantor {
namespace {

using namespace test;

class PlayListRowsTest : public BarFixture {
protected:
    PlayListRowsTest() {
        skin.playListTextRect = {0, 0, 40, 20};
        skin.playListFontColor = 0x000001;
        skin.playListRectFontColor = 0x000002;
        skin.playListCurrentTrackColor = 0x000003;
        skin.playListRectColor = 0xFFFFFF;
        painter.charHeight = 4;
    }
    gfx::Pixel ListAt(int x, int y) const { return surfaces.playListWindow.GetPixel(x, y); }
};

TEST_F(PlayListRowsTest, ShortensWithAnEllipsisOnlyWhenTooWide) {
    EXPECT_EQ(ShortenToWidth("abcdef", 12, painter, {}), "abcdef");
    EXPECT_EQ(ShortenToWidth("abcdefg", 12, painter, {}), "abc...");
    EXPECT_EQ(ShortenToWidth("abcdefg", 2, painter, {}), "...");
}

TEST_F(PlayListRowsTest, SelectionIsOpaqueAtFullAlphaAndBlendedBelow) {
    const std::vector<PlayListRow> rows{{" 1. ", "one", "", false, true},
                                        {" 2. ", "two", "03:00", true, false}};
    DrawPlayListRows(skin, surfaces, painter, rows, 5.0);
    EXPECT_EQ(ListAt(0, 0), gfx::Rgb(3, 0, 0)); // the playing entry's colour
    EXPECT_EQ(ListAt(8, 0), gfx::Rgb(3, 0, 0));
    EXPECT_EQ(ListAt(30, 0), kFace);             // rest of row 0
    EXPECT_EQ(ListAt(20, 5), gfx::kWhite);       // the selection box
    EXPECT_EQ(ListAt(0, 5), gfx::Rgb(2, 0, 0));  // selected row text colour
    EXPECT_EQ(ListAt(39, 5), gfx::Rgb(2, 0, 0)); // time at the right edge
    skin.playListRectAlpha = 128;
    DrawPlayListRows(skin, surfaces, painter, rows, 5.0);
    EXPECT_EQ(ListAt(20, 5), gfx::BlendPixel(gfx::kWhite, kFace, 128));
    EXPECT_EQ(ListAt(20, 9), gfx::BlendPixel(gfx::kWhite, kFace, 128));
    EXPECT_EQ(ListAt(20, 10), kFace);
}

} // namespace
} // namespace vantor
