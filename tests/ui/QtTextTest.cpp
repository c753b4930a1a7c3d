#include "ui/QtFileDialogs.h"
#include "ui/QtTextPainter.h"

#include "QtTestApp.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(QtFileDialogs, FiltersKeepTheirOrderAndPatterns) {
    const QStringList filters = ToQtFilters("Music|*.mp3;*.ogg|All files|*.*|");
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], QStringLiteral("Music (*.mp3 *.ogg)"));
    EXPECT_EQ(filters[1], QStringLiteral("All files (*)"));
    EXPECT_TRUE(ToQtFilters("").isEmpty());
}

class QtTextPainterTest : public ::testing::Test {
protected:
    void SetUp() override { test::QtTestApp(); }
    QtTextPainter painter;
    TextFont font{"IPAGothic", 12, false, false};
};

TEST_F(QtTextPainterTest, DrawsOnlyInsideTheClipAndKeepsPixelsClean) {
    gfx::Surface surface(80, 30, gfx::kBlack);
    const gfx::Rect clip{0, 0, 40, 30};
    painter.DrawText(surface, {2, 2}, clip, font, gfx::kWhite, "WWWWWWWWWWWW");
    int inside = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const gfx::Pixel pixel = surface.GetPixel(x, y);
            EXPECT_EQ(pixel & 0xFF000000u, 0u);
            if (pixel != gfx::kBlack) {
                EXPECT_LT(x, 40);
                ++inside;
            }
        }
    }
    EXPECT_GT(inside, 20);
}

TEST_F(QtTextPainterTest, WiderTextMeasuresWider) {
    const TextSize one = painter.MeasureText(font, "W");
    const TextSize three = painter.MeasureText(font, "WWW");
    EXPECT_GT(one.width, 0);
    EXPECT_GT(one.height, 0);
    EXPECT_GT(three.width, 2 * one.width);
    QtTextMeasurer measurer(font);
    EXPECT_EQ(measurer.TextWidth("WWW"), three.width);
}

} // namespace
} // namespace vantor
