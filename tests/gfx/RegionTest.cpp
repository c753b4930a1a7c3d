#include "gfx/Region.h"

#include <gtest/gtest.h>

namespace vantor::gfx {
namespace {

TEST(RegionTest, EmptyRegionHasEmptyBounds) {
    const Region r;
    EXPECT_TRUE(r.IsEmpty());
    EXPECT_EQ(r.Bounds(), Rect{});
    EXPECT_FALSE(r.Contains(0, 0));
}

TEST(RegionTest, BoundsGrowWithEachRectangle) {
    Region r;
    r.Add({1, 0, 3, 1});
    r.Add({4, 0, 5, 1});
    r.Add({0, 2, 1, 3});
    EXPECT_EQ(r.Rects().size(), 3u);
    EXPECT_EQ(r.Bounds(), (Rect{0, 0, 5, 3}));
    EXPECT_EQ(r.Area(), 4);
}

TEST(RegionTest, ContainsOnlyCoveredPixels) {
    const Rect rects[] = {{1, 0, 3, 1}, {4, 0, 5, 1}};
    const Region r(rects);
    EXPECT_FALSE(r.Contains(0, 0));
    EXPECT_TRUE(r.Contains(1, 0));
    EXPECT_TRUE(r.Contains(2, 0));
    EXPECT_FALSE(r.Contains(3, 0));
    EXPECT_TRUE(r.Contains(4, 0));
    EXPECT_FALSE(r.Contains(5, 0));
    EXPECT_FALSE(r.Contains(1, 1));
}

TEST(RegionTest, EmptyRectanglesAreDropped) {
    const Rect rects[] = {{2, 2, 2, 5}, {3, 3, 1, 4}};
    const Region r(rects);
    EXPECT_TRUE(r.IsEmpty());
    EXPECT_EQ(r.Bounds(), Rect{});
}

TEST(RegionTest, RectangleHelpers) {
    EXPECT_EQ(Intersect({0, 0, 4, 4}, {2, 2, 6, 6}), (Rect{2, 2, 4, 4}));
    EXPECT_EQ(Intersect({0, 0, 2, 2}, {3, 3, 6, 6}), Rect{});
    EXPECT_EQ(Union({}, {1, 1, 2, 2}), (Rect{1, 1, 2, 2}));
    EXPECT_EQ(Rect::FromSize(3, 4, 5, 6), (Rect{3, 4, 8, 10}));
    EXPECT_TRUE((Rect{5, 0, 5, 3}).IsEmpty());
}

} // namespace
} // namespace vantor::gfx
