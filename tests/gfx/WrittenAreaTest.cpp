#include "gfx/WrittenArea.h"
#include "gfx/Blit.h"
#include "gfx/Line.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace vantor::gfx {
namespace {

using Rects = std::vector<Rect>;

Rects RectsOf(const WrittenArea& area) {
    return {area.Rects().begin(), area.Rects().end()};
}

bool Covers(const WrittenArea& area, int x, int y) {
    for (const Rect& rect : area.Rects()) {
        if (rect.Contains(x, y))
            return true;
    }
    return false;
}

TEST(WrittenAreaTest, RowsOfOneCopyBecomeOneRectangle) {
    WrittenArea area;
    for (int y = 3; y < 9; ++y)
        area.Add({10, y, 40, y + 1});
    area.Add({12, 5, 20, 7}); // inside
    EXPECT_EQ(RectsOf(area), (Rects{{10, 3, 40, 9}}));
    EXPECT_EQ(area.Bounds(), (Rect{10, 3, 40, 9}));
}

// The face between two fields drawn in one tick is not compared.
TEST(WrittenAreaTest, FieldsApartKeepTheirOwnRectangles) {
    WrittenArea area;
    area.Add({0, 0, 5, 2});
    area.Add({100, 1, 120, 3});
    area.Add({5, 0, 9, 2}); // continues the first field
    area.Add({});
    EXPECT_EQ(RectsOf(area), (Rects{{0, 0, 9, 2}, {100, 1, 120, 3}}));
    EXPECT_EQ(area.Bounds(), (Rect{0, 0, 120, 3}));
    EXPECT_TRUE(WrittenArea{}.IsEmpty());
    EXPECT_EQ(WrittenArea{}.Bounds(), Rect{});
}

TEST(WrittenAreaTest, EveryWrittenPixelStaysCoveredWhenRectanglesRunOut) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(0, 60);
    std::uniform_int_distribution<int> size(1, 6);
    WrittenArea area;
    std::vector<Rect> added;
    for (int i = 0; i < 200; ++i) {
        const Rect rect =
            Rect::FromSize(coordinate(random), coordinate(random), size(random), size(random));
        area.Add(rect);
        added.push_back(rect);
        ASSERT_LE(area.Rects().size(), static_cast<std::size_t>(WrittenArea::kMostRects));
    }
    for (const Rect& rect : added) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x)
                ASSERT_TRUE(Covers(area, x, y)) << x << "," << y;
        }
    }
}

// A full record joins the rectangle that grows least, so a small field
// does not swallow the width of the window.
TEST(WrittenAreaTest, AFullRecordGrowsTheNearestRectangle) {
    WrittenArea area;
    for (int i = 0; i < WrittenArea::kMostRects; ++i)
        area.Add(Rect::FromSize(20 * i, 0, 10, 10));
    area.Add({61, 0, 62, 10}); // next to the fourth rectangle, at 60..70
    EXPECT_EQ(area.Rects().size(), static_cast<std::size_t>(WrittenArea::kMostRects));
    EXPECT_EQ(area.Rects()[3], (Rect{60, 0, 70, 10}));
    area.Add({71, 2, 72, 3});
    EXPECT_EQ(area.Rects()[3], (Rect{60, 0, 72, 10}));
    EXPECT_EQ(area.Rects()[2], (Rect{40, 0, 50, 10}));
}

// What the drawing calls record is where they drew, column for column.
TEST(WrittenAreaTest, DrawingRecordsOnlyItsColumns) {
    Surface picture(8, 8, kWhite);
    Surface window(200, 20);
    window.TakeWrittenArea();
    Blit(window, {150, 4}, picture, {2, 1, 6, 5});
    EXPECT_EQ(RectsOf(window.TakeWrittenArea()), (Rects{{150, 4, 154, 8}}));
    TransparentBlit(window, {-2, 18}, picture, picture.Bounds(), kBlack);
    EXPECT_EQ(RectsOf(window.TakeWrittenArea()), (Rects{{0, 18, 6, 20}}));
    BlendRect(window, {30, 2, 33, 3}, kWhite, 128);
    EXPECT_EQ(RectsOf(window.TakeWrittenArea()), (Rects{{30, 2, 33, 3}}));
    DrawLine(window, {40, 5}, {40, 12}, kWhite, 1);
    EXPECT_EQ(RectsOf(window.TakeWrittenArea()), (Rects{{40, 5, 41, 12}}));
}

} // namespace
} // namespace vantor::gfx
