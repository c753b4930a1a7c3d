#include "ui/DeviceScaling.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

// Neighbouring pixels of clearly different colours, as in pixel art.
QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y, qRgb((x * 53 + y * 17) % 256, (x * 29 + y * 71) % 256, (x + y) % 2 * 255));
    }
    return image;
}

// A window's picture scaled once whole and then again one changed part at a
// time must look the same, or every tick would leave seams behind.
TEST(DeviceScaling, APartScaledAloneMatchesTheWholePictureScaled) {
    const QImage picture = Pattern(37, 23);
    for (const qreal ratio : {1.25, 1.5, 1.75, 2.0, 3.0}) {
        const QImage whole = ScaleToDevice(picture, {}, picture.rect(), ratio);
        ASSERT_EQ(whole.size(), ToDeviceRect(picture.rect(), ratio).size()) << ratio;
        for (const QRect changed :
             {QRect(0, 0, 1, 1), QRect(5, 3, 3, 2), QRect(13, 9, 1, 7), QRect(30, 20, 7, 3)}) {
            const QRect block = ScalableBlock(changed, ratio, picture.rect());
            ASSERT_TRUE(block.contains(changed)) << ratio;
            const QRect device = ToDeviceRect(block, ratio);
            EXPECT_EQ(ScaleToDevice(picture, {}, block, ratio), whole.copy(device))
                << ratio << " at " << changed.x() << "," << changed.y();
        }
    }
}

TEST(DeviceScaling, WholeRatiosRepeatEachPixel) {
    const QImage picture = Pattern(9, 5);
    for (const int ratio : {2, 3}) {
        const QImage scaled = ScaleToDevice(picture, {}, picture.rect(), ratio);
        for (int y = 0; y < scaled.height(); ++y) {
            for (int x = 0; x < scaled.width(); ++x)
                ASSERT_EQ(scaled.pixel(x, y), picture.pixel(x / ratio, y / ratio)) << x << "," << y;
        }
    }
}

// At 1.5 a device pixel lies either inside one skin pixel or across the
// edge of two: the ones inside show the skin pixel's own colour, so edges
// are softened by one device pixel at most and nothing is blurred further.
TEST(DeviceScaling, AtOneAndAHalfTwoOfEveryThreeDevicePixelsAreTheSkinsOwn) {
    const QImage picture = Pattern(12, 8);
    const QImage scaled = ScaleToDevice(picture, {}, picture.rect(), 1.5);
    for (int y = 0; y < scaled.height(); y += 3) {
        for (int x = 0; x < scaled.width(); ++x) {
            if (x % 3 == 1)
                continue;
            ASSERT_EQ(scaled.pixel(x, y), picture.pixel(x * 2 / 3, y * 2 / 3)) << x << "," << y;
        }
    }
}

} // namespace
} // namespace vantor
