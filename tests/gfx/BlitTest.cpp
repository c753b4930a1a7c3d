#include "gfx/Blit.h"

#include <gtest/gtest.h>

namespace vantor::gfx {
namespace {

// A source whose every pixel is distinct: red = x, green = y.
Surface Gradient(int width, int height) {
    Surface s(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            s.SetPixel(x, y, Rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 9));
    return s;
}

TEST(BlitTest, CopiesTheAreaToThePoint) {
    const Surface src = Gradient(4, 4);
    Surface dst(5, 5, kWhite);
    Blit(dst, {2, 1}, src, {1, 2, 3, 4});
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool inside = x >= 2 && x < 4 && y >= 1 && y < 3;
            const Pixel expected = inside ? src.GetPixel(x - 1, y + 1) : kWhite;
            EXPECT_EQ(dst.GetPixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(BlitTest, ClipsAgainstTheDestination) {
    const Surface src = Gradient(4, 4);
    Surface dst(3, 3, kWhite);
    Blit(dst, {-2, 1}, src, {0, 0, 4, 4});
    // Source column 2 lands at x 0; rows 0..1 land at y 1..2.
    EXPECT_EQ(dst.GetPixel(0, 1), src.GetPixel(2, 0));
    EXPECT_EQ(dst.GetPixel(1, 2), src.GetPixel(3, 1));
    EXPECT_EQ(dst.GetPixel(2, 1), kWhite);
    EXPECT_EQ(dst.GetPixel(0, 0), kWhite);
}

TEST(BlitTest, ClipsAgainstTheSourceWithoutShiftingTheRest) {
    const Surface src = Gradient(2, 2);
    Surface dst(4, 4, kWhite);
    // The area starts one pixel left of and above the source.
    Blit(dst, {0, 0}, src, {-1, -1, 2, 2});
    EXPECT_EQ(dst.GetPixel(0, 0), kWhite);
    EXPECT_EQ(dst.GetPixel(1, 0), kWhite);
    EXPECT_EQ(dst.GetPixel(1, 1), src.GetPixel(0, 0));
    EXPECT_EQ(dst.GetPixel(2, 2), src.GetPixel(1, 1));
    EXPECT_EQ(dst.GetPixel(3, 3), kWhite);
}

TEST(BlitTest, EmptyOrOutsideAreasChangeNothing) {
    const Surface src = Gradient(2, 2);
    Surface dst(2, 2, kWhite);
    const Surface before = dst;
    Blit(dst, {0, 0}, src, {1, 1, 1, 2});
    Blit(dst, {5, 5}, src, {0, 0, 2, 2});
    Blit(dst, {0, 0}, src, {3, 3, 6, 6});
    Blit(dst, {0, 0}, Surface(), {0, 0, 2, 2});
    EXPECT_EQ(dst, before);
}

TEST(BlitTest, TransparentCopyKeepsTheDestinationUnderTheKey) {
    Surface src(3, 1);
    src.SetPixel(0, 0, kMagenta);
    src.SetPixel(1, 0, Rgb(255, 0, 0));
    src.SetPixel(2, 0, kBlack);
    Surface face(3, 1, kWhite);
    TransparentBlit(face, {0, 0}, src, src.Bounds(), kMagenta);
    EXPECT_EQ(face.GetPixel(0, 0), kWhite);
    EXPECT_EQ(face.GetPixel(1, 0), Rgb(255, 0, 0));
    EXPECT_EQ(face.GetPixel(2, 0), kBlack);

    // A glyph strip keys out black instead, and then magenta is opaque.
    Surface field(3, 1, kWhite);
    TransparentBlit(field, {0, 0}, src, src.Bounds(), kBlack);
    EXPECT_EQ(field.GetPixel(0, 0), kMagenta);
    EXPECT_EQ(field.GetPixel(1, 0), Rgb(255, 0, 0));
    EXPECT_EQ(field.GetPixel(2, 0), kWhite);
}

TEST(BlitTest, AlphaBlendMixesEachChannel) {
    Surface src(1, 1, Rgb(255, 0, 100));
    Surface dst(1, 1, Rgb(0, 255, 200));
    AlphaBlend(dst, {0, 0}, src, src.Bounds(), 128);
    // (255*128 + 0*127 + 127) / 255 = 128; (0*128 + 255*127 + 127)/255 = 127;
    // (100*128 + 200*127 + 127) / 255 = 150.
    EXPECT_EQ(dst.GetPixel(0, 0), Rgb(128, 127, 150));
}

TEST(BlitTest, AlphaBlendAtTheEndsIsCopyOrNothing) {
    const Surface src = Gradient(3, 3);
    Surface opaque(3, 3, kWhite);
    AlphaBlend(opaque, {0, 0}, src, src.Bounds(), 255);
    EXPECT_EQ(opaque, src);
    Surface clear(3, 3, kWhite);
    AlphaBlend(clear, {0, 0}, src, src.Bounds(), 0);
    EXPECT_EQ(clear, Surface(3, 3, kWhite));
}

TEST(BlitTest, BlendRectCoversOnlyItsClippedArea) {
    Surface row(4, 2, kBlack);
    BlendRect(row, {2, -1, 9, 1}, kWhite, 51);
    EXPECT_EQ(row.GetPixel(1, 0), kBlack);
    EXPECT_EQ(row.GetPixel(2, 0), Rgb(51, 51, 51));
    EXPECT_EQ(row.GetPixel(3, 0), Rgb(51, 51, 51));
    EXPECT_EQ(row.GetPixel(3, 1), kBlack);
    EXPECT_EQ(BlendPixel(kWhite, kBlack, 255), kWhite);
}

} // namespace
} // namespace vantor::gfx
