#include "gfx/Surface.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantor::gfx {
namespace {

TEST(SurfaceTest, NewSurfaceHasItsSizeAndFill) {
    const Surface s(3, 2, 0x00ABCDEF);
    EXPECT_EQ(s.Width(), 3);
    EXPECT_EQ(s.Height(), 2);
    EXPECT_EQ(s.Bounds(), (Rect{0, 0, 3, 2}));
    ASSERT_EQ(s.Pixels().size(), 6u);
    for (Pixel p : s.Pixels())
        EXPECT_EQ(p, 0x00ABCDEFu);
}

TEST(SurfaceTest, NonPositiveSizesGiveAnEmptySurface) {
    EXPECT_TRUE(Surface(0, 5).IsEmpty());
    EXPECT_TRUE(Surface(5, -1).IsEmpty());
    EXPECT_EQ(Surface(-3, 4).Width(), 0);
    EXPECT_EQ(Surface().GetPixel(0, 0), kInvalidPixel);
}

TEST(SurfaceTest, PixelsAreAddressedRowByRowFromTheTop) {
    Surface s(4, 3);
    s.SetPixel(1, 2, Rgb(1, 2, 3));
    EXPECT_EQ(s.GetPixel(1, 2), Rgb(1, 2, 3));
    EXPECT_EQ(s.Row(2)[1], Rgb(1, 2, 3));
    EXPECT_EQ(s.Pixels()[2 * 4 + 1], Rgb(1, 2, 3));
    EXPECT_EQ(s.GetPixel(2, 1), kBlack);
}

TEST(SurfaceTest, PixelsOutsideAreIgnoredAndReadAsInvalid) {
    Surface s(2, 2, kWhite);
    const Surface before = s;
    s.SetPixel(-1, 0, kBlack);
    s.SetPixel(2, 0, kBlack);
    s.SetPixel(0, 2, kBlack);
    s.SetPixel(0, -1, kBlack);
    EXPECT_EQ(s, before);
    EXPECT_EQ(s.GetPixel(2, 0), kInvalidPixel);
    EXPECT_EQ(s.GetPixel(0, -1), kInvalidPixel);
}

TEST(SurfaceTest, FillRectIsClippedToTheSurface) {
    Surface s(3, 3, kBlack);
    s.FillRect({-5, 1, 2, 10}, kWhite);
    const Pixel expected[3][3] = {
        {kBlack, kBlack, kBlack}, {kWhite, kWhite, kBlack}, {kWhite, kWhite, kBlack}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(s.GetPixel(x, y), expected[y][x]) << x << "," << y;
    s.Fill(kMagenta);
    for (Pixel p : s.Pixels())
        EXPECT_EQ(p, kMagenta);
}

std::vector<Rect> Taken(Surface& s) {
    const WrittenArea written = s.TakeWrittenArea();
    return {written.Rects().begin(), written.Rects().end()};
}

using Rects = std::vector<Rect>;

TEST(SurfaceTest, WrittenAreaFollowsEveryWayOfWriting) {
    Surface s(4, 10);
    EXPECT_EQ(Taken(s), (Rects{{0, 0, 4, 10}}));
    EXPECT_TRUE(s.TakeWrittenArea().IsEmpty());

    const Surface& reader = s;
    EXPECT_EQ(reader.Row(3)[0], kBlack);
    EXPECT_EQ(reader.GetPixel(1, 1), kBlack);
    s.SetPixel(9, 9, kWhite); // outside: nothing written
    EXPECT_TRUE(s.TakeWrittenArea().IsEmpty());

    s.SetPixel(1, 6, kWhite);
    s.Row(2)[0] = kWhite;
    EXPECT_EQ(Taken(s), (Rects{{1, 6, 2, 7}, {0, 2, 4, 3}}));
    s.FillRect({0, 4, 2, 6}, kWhite);
    EXPECT_EQ(Taken(s), (Rects{{0, 4, 2, 6}}));
    s.WriteRows({1, 7, 3, 9}).Row(8)[2] = kWhite;
    EXPECT_EQ(s.GetPixel(2, 8), kWhite);
    EXPECT_EQ(Taken(s), (Rects{{1, 7, 3, 9}}));
    s.FillRect({0, 20, 2, 30}, kWhite);
    EXPECT_TRUE(s.TakeWrittenArea().IsEmpty());
    s.Fill(kWhite);
    EXPECT_EQ(Taken(s), (Rects{{0, 0, 4, 10}}));
    s.Pixels()[0] = kBlack;
    EXPECT_EQ(Taken(s), (Rects{{0, 0, 4, 10}}));
}

TEST(SurfaceTest, CopiedOrMovedSurfacesCountAsWrittenEverywhere) {
    Surface source(3, 5, kWhite);
    source.TakeWrittenArea();
    Surface target(3, 5);
    target.TakeWrittenArea();
    target = source;
    EXPECT_EQ(Taken(target), (Rects{{0, 0, 3, 5}}));
    EXPECT_EQ(target, source); // the record is not part of the picture

    Surface moved(std::move(target));
    EXPECT_EQ(Taken(moved), (Rects{{0, 0, 3, 5}}));
    EXPECT_TRUE(target.IsEmpty());
    EXPECT_TRUE(target.TakeWrittenArea().IsEmpty());
    target = std::move(moved);
    EXPECT_EQ(Taken(target), (Rects{{0, 0, 3, 5}}));
    EXPECT_EQ(target, source);
}

} // namespace
} // namespace vantor::gfx
