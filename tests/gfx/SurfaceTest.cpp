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

} // namespace
} // namespace vantor::gfx
