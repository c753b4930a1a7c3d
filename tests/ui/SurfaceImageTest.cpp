#include "ui/SurfaceImage.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(SurfaceImage, PixelsSurviveTheRoundTrip) {
    gfx::Surface surface(3, 2, gfx::kMagenta);
    surface.SetPixel(0, 0, gfx::Rgb(1, 2, 3));
    surface.SetPixel(2, 1, gfx::Rgb(250, 128, 0));
    const QImage image = ToImage(surface);
    EXPECT_EQ(image.pixel(0, 0), 0xFF010203u);
    EXPECT_EQ(image.pixel(1, 0), 0xFFFF00FFu);
    EXPECT_EQ(FromImage(image), surface);
}

class ChangedPixelsTest : public ::testing::Test {
protected:
    // A width that is no multiple of the compared blocks, so rows have tails.
    gfx::Surface surface{21, 6, gfx::Rgb(10, 20, 30)};
    QImage image = ToImage(surface);

    QRegion ChangeAndCopy(std::initializer_list<gfx::Point> points) {
        for (const gfx::Point point : points)
            surface.SetPixel(point.x, point.y, gfx::Rgb(200, 100, 50));
        const QRegion changed = CopyChangedPixels(surface, image);
        EXPECT_EQ(FromImage(image), surface);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        return changed;
    }
};

TEST_F(ChangedPixelsTest, UnchangedSurfaceChangesNothing) {
    const qint64 key = image.cacheKey();
    EXPECT_TRUE(ChangeAndCopy({}).isEmpty());
    EXPECT_EQ(image.cacheKey(), key);
}

TEST_F(ChangedPixelsTest, OnePixelGivesItsOwnRectangle) {
    EXPECT_EQ(ChangeAndCopy({{5, 3}}), QRect(5, 3, 1, 1));
    EXPECT_EQ(image.pixel(5, 3), 0xFFC86432u);
    EXPECT_EQ(image.pixel(4, 3), 0xFF0A141Eu);
    EXPECT_TRUE(ChangeAndCopy({}).isEmpty());
}

TEST_F(ChangedPixelsTest, EdgesAndBlockBordersAreFound) {
    EXPECT_EQ(ChangeAndCopy({{0, 0}}), QRect(0, 0, 1, 1));
    EXPECT_EQ(ChangeAndCopy({{20, 5}}), QRect(20, 5, 1, 1));
    EXPECT_EQ(ChangeAndCopy({{20, 1}, {0, 1}}), QRect(0, 1, 21, 1));
    EXPECT_EQ(ChangeAndCopy({{0, 4}, {20, 4}}), QRect(0, 4, 21, 1));
    EXPECT_EQ(ChangeAndCopy({{7, 1}, {8, 2}}), QRect(7, 1, 2, 2));
    EXPECT_EQ(ChangeAndCopy({{15, 4}, {16, 4}, {19, 4}}), QRect(15, 4, 5, 1));
    EXPECT_EQ(ChangeAndCopy({{1, 2}, {12, 2}}), QRect(1, 2, 12, 1));
}

TEST_F(ChangedPixelsTest, ChangesInSeveralRowsAreBounded) {
    EXPECT_EQ(ChangeAndCopy({{3, 1}, {17, 1}, {9, 4}}), QRect(3, 1, 15, 4));
}

// The face between two changed fields is not sent again with them.
TEST_F(ChangedPixelsTest, ChangesFarApartKeepRectanglesOfTheirOwn) {
    const QRegion apart = ChangeAndCopy({{20, 0}, {0, 5}});
    EXPECT_EQ(apart, QRegion(20, 0, 1, 1) + QRegion(0, 5, 1, 1));
    EXPECT_EQ(apart.rectCount(), 2);
    // Side by side in neighbouring rows, but far apart across.
    gfx::Surface wide(120, 3, gfx::Rgb(10, 20, 30));
    QImage shown = ToImage(wide);
    wide.SetPixel(2, 0, gfx::kWhite);
    wide.SetPixel(110, 1, gfx::kWhite);
    EXPECT_EQ(CopyChangedPixels(wide, shown).rectCount(), 2);
}

TEST_F(ChangedPixelsTest, OnlyTheColourCountsNotTheUnusedByte) {
    // Surfaces keep the top byte clear; the image keeps it set.
    EXPECT_EQ(image.pixel(0, 0) >> 24, 0xFFu);
    EXPECT_TRUE(CopyChangedPixels(surface, image).isEmpty());
}

TEST_F(ChangedPixelsTest, OnlyTheWrittenAreaIsLookedAt) {
    surface.TakeWrittenArea();
    surface.SetPixel(4, 1, gfx::kWhite);
    surface.SetPixel(6, 4, gfx::kWhite);
    const gfx::WrittenArea written = surface.TakeWrittenArea();
    EXPECT_EQ(written.Bounds(), (gfx::Rect{4, 1, 7, 5}));
    EXPECT_EQ(CopyChangedPixels(surface, image, gfx::WrittenArea({0, 4, 21, 5})),
              QRect(6, 4, 1, 1));
    EXPECT_EQ(image.pixel(4, 1), 0xFF0A141Eu);
    EXPECT_EQ(CopyChangedPixels(surface, image, written), QRect(4, 1, 1, 1));
    EXPECT_EQ(FromImage(image), surface);
    // Columns beside the written ones in the same row are not compared.
    surface.SetPixel(2, 3, gfx::kWhite);
    surface.SetPixel(15, 3, gfx::kWhite);
    EXPECT_EQ(CopyChangedPixels(surface, image, gfx::WrittenArea({12, 2, 16, 4})),
              QRect(15, 3, 1, 1));
    EXPECT_EQ(image.pixel(2, 3), 0xFF0A141Eu);
    // Every rectangle of the area is compared; parts beyond the surface are
    // ignored.
    gfx::WrittenArea apart({-3, -3, 1, 1});
    apart.Add({0, 3, 3, 40});
    EXPECT_EQ(CopyChangedPixels(surface, image, apart), QRect(2, 3, 1, 1));
    EXPECT_EQ(FromImage(image), surface);
}

TEST_F(ChangedPixelsTest, AnotherSizeOrFormatMakesTheImageAnew) {
    surface = gfx::Surface(9, 4, gfx::kMagenta);
    EXPECT_EQ(ChangeAndCopy({}), QRect(0, 0, 9, 4));
    EXPECT_EQ(image.size(), QSize(9, 4));
    image = image.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(ChangeAndCopy({}), QRect(0, 0, 9, 4));
    image = QImage();
    EXPECT_EQ(ChangeAndCopy({}), QRect(0, 0, 9, 4));
    surface = gfx::Surface();
    EXPECT_TRUE(CopyChangedPixels(surface, image).isEmpty());
    EXPECT_TRUE(image.isNull());
}

TEST(SurfaceImage, RegionBecomesTheSameMask) {
    gfx::Region region;
    region.Add({0, 0, 4, 1});
    region.Add({1, 1, 3, 2});
    const QRegion mask = ToQRegion(region);
    EXPECT_TRUE(mask.contains(QPoint(3, 0)));
    EXPECT_FALSE(mask.contains(QPoint(0, 1)));
    EXPECT_TRUE(mask.contains(QPoint(2, 1)));
    EXPECT_FALSE(mask.contains(QPoint(3, 1)));
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 4, 2));
}

} // namespace
} // namespace vantor
