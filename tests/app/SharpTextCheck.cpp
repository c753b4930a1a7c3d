#include "app/SharpTextCheck.h"

#include "skin/SkinSurfaces.h"
#include "ui/DeviceScaling.h"
#include "ui/SurfaceImage.h"

#include <QRegion>

#include <gtest/gtest.h>

namespace vantor::test {

namespace {

// Whole ratios enlarge a skin pixel to a square of one colour; the text's
// edges fall inside such squares. The count of squares that are not whole.
int SquaresSplitByText(const QImage& shown, int ratio, const QRect& field) {
    int split = 0;
    for (int y = field.top(); y <= field.bottom(); ++y) {
        for (int x = field.left(); x <= field.right(); ++x) {
            const QRgb corner = shown.pixel(x * ratio, y * ratio);
            bool whole = true;
            for (int dy = 0; dy < ratio; ++dy) {
                for (int dx = 0; dx < ratio; ++dx)
                    whole = whole && shown.pixel(x * ratio + dx, y * ratio + dy) == corner;
            }
            split += whole ? 0 : 1;
        }
    }
    return split;
}

} // namespace

void ExpectSharpTextOnEnlargedSkin(const QWidget& window, const gfx::Surface& surface,
                                   const QImage& shown, qreal ratio, const SkinRect& textField) {
    const QRect field = ToQRect(ToGfx(textField));
    QRegion text;
    for (const auto& mark : surface.Marks().All())
        text += ToDeviceRect(ToQRect(mark->area).adjusted(-1, -1, 1, 1), ratio);
    ASSERT_TRUE(text.intersects(ToDeviceRect(field, ratio))) << "no sharp text in the field";

    const QImage picture = ToImage(surface);
    const QImage enlarged = ScaleToDevice(picture, window.mask(), picture.rect(), ratio);
    ASSERT_EQ(shown.size(), enlarged.size());
    int sharpPixels = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) == enlarged.pixel(x, y))
                continue;
            ASSERT_TRUE(text.contains(QPoint(x, y))) << "changed outside text at " << x << "," << y;
            ++sharpPixels;
        }
    }
    EXPECT_GT(sharpPixels, 50);
    if (IsWhole(ratio)) {
        EXPECT_GT(SquaresSplitByText(shown, qRound(ratio), field), 20);
    }
}

} // namespace vantor::test
