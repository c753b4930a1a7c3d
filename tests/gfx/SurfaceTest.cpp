#include "gfx/Surface.h"

#include <gtest/gtest.h>

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

TEST(SurfaceTest, WrittenRowsFollowEveryWayOfWriting) {
    Surface s(4, 10);
    EXPECT_EQ(s.TakeWrittenRows(), (RowRange{0, 10}));
    EXPECT_TRUE(s.TakeWrittenRows().IsEmpty());

    const Surface& reader = s;
    EXPECT_EQ(reader.Row(3)[0], kBlack);
    EXPECT_EQ(reader.GetPixel(1, 1), kBlack);
    s.SetPixel(9, 9, kWhite); // outside: nothing written
    EXPECT_TRUE(s.TakeWrittenRows().IsEmpty());

    s.SetPixel(1, 6, kWhite);
    s.Row(2)[0] = kWhite;
    EXPECT_EQ(s.TakeWrittenRows(), (RowRange{2, 7}));
    s.FillRect({0, 4, 2, 5}, kWhite);
    EXPECT_EQ(s.TakeWrittenRows(), (RowRange{4, 5}));
    s.FillRect({0, 20, 2, 30}, kWhite);
    EXPECT_TRUE(s.TakeWrittenRows().IsEmpty());
    s.Fill(kWhite);
    EXPECT_EQ(s.TakeWrittenRows(), (RowRange{0, 10}));
    s.Pixels()[0] = kBlack;
    EXPECT_EQ(s.TakeWrittenRows(), (RowRange{0, 10}));
}

TEST(SurfaceTest, CopiedOrMovedSurfacesCountAsWrittenEverywhere) {
    Surface source(3, 5, kWhite);
    source.TakeWrittenRows();
    Surface target(3, 5);
    target.TakeWrittenRows();
    target = source;
    EXPECT_EQ(target.TakeWrittenRows(), (RowRange{0, 5}));
    EXPECT_EQ(target, source); // the record is not part of the picture

    Surface moved(std::move(target));
    EXPECT_EQ(moved.TakeWrittenRows(), (RowRange{0, 5}));
    EXPECT_TRUE(target.IsEmpty());
    EXPECT_TRUE(target.TakeWrittenRows().IsEmpty());
    target = std::move(moved);
    EXPECT_EQ(target.TakeWrittenRows(), (RowRange{0, 5}));
    EXPECT_EQ(target, source);
}

} // namespace
} // namespace vantor::gfx
