#include "ui/QtFileDialogs.h"
#include "ui/QtTextPainter.h"

#include "QtTestApp.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace vantor {
namespace {

TEST(QtFileDialogs, FiltersKeepTheirOrderAndPatterns) {
    const QStringList filters = ToQtFilters("Music|*.mp3;*.ogg|All files|*.*|");
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], QStringLiteral("Music (*.mp3 *.ogg)"));
    EXPECT_EQ(filters[1], QStringLiteral("All files (*)"));
    EXPECT_TRUE(ToQtFilters("").isEmpty());
}

TEST(QtFileDialogs, AFiltersExtensionIsItsFirstPatterns) {
    EXPECT_EQ(FilterExtension(QStringLiteral("PlayListFile (*.M3U)")), QStringLiteral("m3u"));
    EXPECT_EQ(FilterExtension(QStringLiteral("Lists (*.DVL *.M3U)")), QStringLiteral("dvl"));
    EXPECT_TRUE(FilterExtension(QStringLiteral("All files (*)")).isEmpty());
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

// The reference the cached painter must match pixel for pixel: Qt drawing
// straight onto the surface's pixels, clipped by the painter.
void DrawDirectly(gfx::Surface& surface, gfx::Point at, const gfx::Rect& clip, const TextFont& font,
                  gfx::Pixel colour, const std::string& text) {
    const gfx::Rect area = gfx::Intersect(clip, surface.Bounds());
    if (area.IsEmpty() || text.empty())
        return;
    QImage image(reinterpret_cast<uchar*>(surface.Row(0)), surface.Width(), surface.Height(),
                 surface.Width() * 4, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setClipRect(QRect(area.left, area.top, area.Width(), area.Height()));
        painter.setFont(ToQFont(font));
        painter.setPen(QColor::fromRgb(0xFF000000u | colour));
        painter.drawText(QPoint(at.x, at.y + QFontMetrics(painter.font()).ascent()),
                         QString::fromStdString(text));
    }
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            surface.Row(y)[x] &= 0x00FFFFFFu;
    }
}

// A background every pixel of which differs from its neighbours, so that a
// pixel painted or left wrongly shows.
gfx::Surface Background() {
    gfx::Surface surface(72, 28);
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x)
            surface.SetPixel(
                x, y,
                gfx::Rgb(static_cast<std::uint8_t>(x * 3), static_cast<std::uint8_t>(y * 9), 0x40));
    }
    return surface;
}

struct TextCase {
    TextFont font;
    std::string text;
    gfx::Point at;
    gfx::Rect clip;
};

std::vector<TextCase> TextCases() {
    const TextFont gothic{"IPAGothic", 12, false, false};
    const TextFont boldItalic{"DejaVu Serif", 11, true, true};
    const TextFont small{"DejaVu Sans", 7, false, false};
    const gfx::Rect all{0, 0, 72, 28};
    return {
        {gothic, "00:00 / 03:12", {0, 0}, all},
        {gothic, "00:00 / 03:12", {1, 1}, all},
        // The same text moved with its clip: one stencil serves both.
        {gothic, "00:00 / 03:12", {9, 7}, all.Offset(9, 7)},
        {gothic, "再生中 ♪ Ünïcode", {-5, 3}, all},
        {boldItalic, "fffjjj Wq", {2, -4}, all},
        {boldItalic, "fffjjj Wq", {2, -4}, {10, 2, 40, 9}},
        // Clips partly and wholly outside the surface, cutting glyphs.
        {small, "Playlist 12 items", {-20, -3}, {-30, -30, 30, 12}},
        {small, "Playlist 12 items", {40, 20}, {35, 15, 200, 100}},
        {gothic, "WWW", {3, 3}, {4, 4, 13, 11}},
        {gothic, "WWW", {3, 3}, {100, 100, 140, 140}},
        {gothic, "WWW", {3, 3}, {10, 10, 10, 20}},
        {gothic, "", {0, 0}, all},
        {TextFont{"IPAGothic", 0, true, false}, "size zero", {0, 0}, all},
    };
}

void ExpectCleanPixels(const gfx::Surface& surface) {
    for (const gfx::Pixel pixel : surface.Pixels())
        ASSERT_EQ(pixel & 0xFF000000u, 0u);
}

TEST_F(QtTextPainterTest, CachedDrawingMatchesDrawingDirectly) {
    int drawnCases = 0;
    for (const gfx::Pixel colour : {gfx::Rgb(255, 0, 0), 0xAB123456u, gfx::kWhite}) {
        for (const TextCase& test : TextCases()) {
            SCOPED_TRACE(test.text + " at " + std::to_string(test.at.x) + "," +
                         std::to_string(test.at.y));
            gfx::Surface expected = Background();
            DrawDirectly(expected, test.at, test.clip, test.font, colour, test.text);
            drawnCases += expected != Background() ? 1 : 0;
            // The kept painter renders each text once and then paints it from
            // what it kept, in every colour; a new painter always renders.
            for (int pass = 0; pass < 2; ++pass) {
                gfx::Surface drawn = Background();
                painter.DrawText(drawn, test.at, test.clip, test.font, colour, test.text);
                EXPECT_EQ(drawn, expected);
                ExpectCleanPixels(drawn);
            }
            QtTextPainter fresh;
            gfx::Surface drawn = Background();
            fresh.DrawText(drawn, test.at, test.clip, test.font, colour, test.text);
            EXPECT_EQ(drawn, expected);
        }
    }
    // Most cases must really draw, or the comparison proves nothing.
    EXPECT_GE(drawnCases, 3 * 9);
}

TEST_F(QtTextPainterTest, TextsStayRightAfterTheCacheOverflows) {
    const TextCase test = TextCases().front();
    gfx::Surface expected = Background();
    DrawDirectly(expected, test.at, test.clip, test.font, gfx::kWhite, test.text);
    gfx::Surface first = Background();
    painter.DrawText(first, test.at, test.clip, test.font, gfx::kWhite, test.text);
    EXPECT_EQ(first, expected);
    for (int i = 0; i < 200; ++i) {
        gfx::Surface scratch = Background();
        painter.DrawText(scratch, {0, 0}, scratch.Bounds(), font, gfx::kWhite, std::to_string(i));
    }
    gfx::Surface drawn = Background();
    painter.DrawText(drawn, test.at, test.clip, test.font, gfx::kWhite, test.text);
    EXPECT_EQ(drawn, expected);
}

TEST_F(QtTextPainterTest, WiderTextMeasuresWider) {
    const TextSize one = painter.MeasureText(font, "W");
    const TextSize three = painter.MeasureText(font, "WWW");
    EXPECT_GT(one.width, 0);
    EXPECT_GT(one.height, 0);
    EXPECT_GT(three.width, 2 * one.width);
    QtTextMeasurer measurer(font);
    EXPECT_EQ(measurer.TextWidth("WWW"), three.width);
    const TextFont large{"IPAGothic", 24, false, false};
    measurer.SetFont(large);
    EXPECT_EQ(measurer.TextWidth("WWW"), painter.MeasureText(large, "WWW").width);
    EXPECT_GT(painter.MeasureText(large, "WWW").width, three.width);
}

} // namespace
} // namespace vantor
