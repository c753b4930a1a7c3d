#include "BarFixture.h"

#include "base/TextEncoding.h"
#include "skin/BitmapFont.h"

namespace vantor {
namespace {

using namespace test;

gfx::Pixel TimeCellColour(int n) {
    return gfx::Rgb(static_cast<std::uint8_t>(n * 10 + 5), 0, 0);
}

// Cell n of the time strip is a 2 × 3 block of red n × 10 + 5, with a black
// top-left pixel so that transparency shows.
gfx::Surface TimeStrip() {
    gfx::Surface strip(13 * 2, 3);
    for (int n = 0; n < 13; ++n)
        strip.FillRect(gfx::Rect::FromSize(n * 2, 0, 2, 3), TimeCellColour(n));
    for (int n = 0; n < 13; ++n)
        strip.SetPixel(n * 2, 0, gfx::kBlack);
    return strip;
}

// Cell (column, row) of the general sheet is a 2 × 2 block coloured by its place.
gfx::Pixel SheetCell(int column, int row) {
    return gfx::Rgb(static_cast<std::uint8_t>(column * 10 + 1),
                    static_cast<std::uint8_t>(row * 10 + 1), 7);
}

gfx::Surface GeneralSheet() {
    gfx::Surface sheet(16 * 2, 6 * 2);
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 16; ++column)
            sheet.FillRect(gfx::Rect::FromSize(column * 2, row * 2, 2, 2), SheetCell(column, row));
    return sheet;
}

TEST(BitmapFontTest, CellsOfBothFonts) {
    EXPECT_EQ(TimeFontCell(U'0'), 0);
    EXPECT_EQ(TimeFontCell(U'9'), 9);
    EXPECT_EQ(TimeFontCell(U':'), 10);
    EXPECT_EQ(TimeFontCell(U'/'), 11);
    EXPECT_EQ(TimeFontCell(U' '), 12);
    EXPECT_EQ(TimeFontCell(U'a'), 12);
    EXPECT_EQ(GeneralFontCell('A'), (gfx::Point{1, 2}));
    EXPECT_EQ(GeneralFontCell(' '), (gfx::Point{0, 0}));
    EXPECT_EQ(GeneralFontCell(127), (gfx::Point{15, 5}));
}

TEST(BitmapFontTest, DoubleByteCharactersGetTheirSignedCode) {
    SetLegacyCodePage(932);
    const std::vector<int> codes = LegacyCharacterCodes("Aあ");
    ASSERT_EQ(codes.size(), 2u);
    EXPECT_EQ(codes[0], 65);
    EXPECT_LT(codes[1], 0);
    SetLegacyCodePage(1252);
}

class BitmapTextTest : public BarFixture {
protected:
    BitmapTextTest() {
        skin.timeFontBitmap = std::make_shared<gfx::Surface>(TimeStrip());
        skin.timeFontCellWidth = 2;
        skin.timeFontCellHeight = 3;
        skin.fontBitmap = std::make_shared<gfx::Surface>(GeneralSheet());
        skin.fontCellWidth = 2;
        skin.fontCellHeight = 2;
        skin.Style(TextField::Time).rect = {0, 0, 30, 3};
        skin.Style(TextField::Time).fontKind = kFontKindBitmap;
        skin.Style(TextField::SongKbps).rect = {0, 10, 20, 12};
        skin.Style(TextField::SongKbps).fontKind = kFontKindBitmap;
        skin.Style(TextField::PitchVal).fontKind = kFontKindBitmap;
        PrepareFieldSurfaces(skin, surfaces);
    }
};

TEST_F(BitmapTextTest, TimeTextDrawsThirteenCellsAndBlanksForSpaces) {
    texts.DrawTimeText("01:23 / 45:67");
    const int expected[] = {0, 1, 10, 2, 3, 12, 11, 12, 4, 5, 10, 6, 7};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(At(i * 2 + 1, 1), TimeCellColour(expected[i])) << "cell " << i;
        EXPECT_EQ(At(i * 2, 0), gfx::kBlack) << "opaque copy " << i;
    }
    EXPECT_EQ(At(26, 1), kFace);
}

TEST_F(BitmapTextTest, TransparentTimeFontShowsTheFaceThroughBlack) {
    skin.timeFontTransparent = 1;
    texts.DrawTimeText("0x");
    EXPECT_EQ(At(0, 0), kFace);
    EXPECT_EQ(At(1, 0), TimeCellColour(0));
    EXPECT_EQ(At(2, 0), kFace);
    EXPECT_EQ(At(3, 0), TimeCellColour(12)); // a letter uses the blank cell
}

TEST_F(BitmapTextTest, GeneralFontPicksColumnAndRowAndCopiesIntoThePressedFace) {
    texts.DrawInfoText(TextField::SongKbps, "A 1");
    EXPECT_EQ(At(0, 10), SheetCell(1, 2));
    EXPECT_EQ(At(2, 10), SheetCell(0, 0));
    EXPECT_EQ(At(4, 11), SheetCell(1, 1)); // '1' is code 49
    EXPECT_EQ(At(6, 10), kFace);
    EXPECT_EQ(surfaces.pressedFace.GetPixel(0, 10), SheetCell(1, 2));
}

TEST_F(BitmapTextTest, PitchValueDropsTheMultiplicationSign) {
    texts.DrawValueText(BarKind::Pitch, "×1.50");
    const SkinRect rect = skin.Style(TextField::PitchVal).rect;
    EXPECT_EQ(At(rect.left, rect.top), SheetCell(1, 1));      // '1'
    EXPECT_EQ(At(rect.left + 2, rect.top), SheetCell(14, 0)); // '.'
}

TEST_F(BitmapTextTest, FontKindDrawsShadowThenText) {
    SkinTextStyle& style = skin.Style(TextField::SongMode);
    style.rect = {50, 0, 90, 10};
    style.shadow = 1;
    style.shadowColor = 0x0000FF; // red as 0x00BBGGRR
    style.color = 0xFF0000;       // blue
    PrepareFieldSurfaces(skin, surfaces);
    texts.DrawInfoText(TextField::SongMode, "ab");
    ASSERT_EQ(painter.painted.size(), 2u);
    EXPECT_EQ(painter.painted[0].at, (gfx::Point{1, 1}));
    EXPECT_EQ(painter.painted[0].colour, gfx::Rgb(255, 0, 0));
    EXPECT_EQ(painter.painted[1].at, (gfx::Point{0, 0}));
    EXPECT_EQ(At(50, 0), gfx::Rgb(0, 0, 255));
    EXPECT_EQ(At(54, 4), gfx::Rgb(255, 0, 0)); // shadow right of the text
    EXPECT_EQ(At(56, 0), kFace);
}

TEST_F(BitmapTextTest, PlayListFieldsCutAtTheFirstSpaceUnlessKeptWhole) {
    SkinTextStyle& style = skin.Style(TextField::PlayListTotalPlayTime);
    style.rect = {10, 10, 40, 20};
    std::string text = "12:34 / 56:78";
    texts.DrawPlayListText(TextField::PlayListTotalPlayTime, text);
    EXPECT_EQ(text, "12:34");
    EXPECT_EQ(painter.painted.back().clip, (gfx::Rect{10, 10, 40, 20}));
    std::string whole = "1 2";
    texts.DrawPlayListText(TextField::PlayListTotalPlayTime, whole, true);
    EXPECT_EQ(whole, "1 2");
}

TEST_F(BitmapTextTest, MissingGlyphSheetDrawsNothing) {
    skin.timeFontBitmap.reset();
    texts.DrawTimeText("12");
    EXPECT_EQ(At(0, 0), kFace);
}

} // namespace
} // namespace vantor
