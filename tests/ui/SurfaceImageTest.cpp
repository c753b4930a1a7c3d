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
