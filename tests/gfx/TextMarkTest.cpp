#include "gfx/TextMark.h"

#include "gfx/Blit.h"
#include "gfx/Surface.h"

#include <gtest/gtest.h>

namespace vantor::gfx {
namespace {

constexpr Pixel kBackground = 0x203040;
constexpr Pixel kInk = 0xF0E0D0;
constexpr Pixel kShadowInk = 0x101010;

// Stands in for a text: one vertical stroke at `column` of the layer's clip.
void DrawStroke(Surface& surface, const Rect& clip, int column, Pixel ink) {
    DrawMarkedText(surface, {TextFont{"Sans", 9}, ink, {clip.left, clip.top}, clip, "A"}, [&] {
        surface.FillRect({column, clip.top, column + 1, clip.bottom}, ink);
    });
}

Pixel At(const std::vector<Pixel>& pixels, const Rect& area, int x, int y) {
    return pixels[static_cast<std::size_t>((y - area.top) * area.Width() + (x - area.left))];
}

TEST(TextMarkTest, ATextOverItsShadowIsOneMarkWithTheBackgroundUnderBoth) {
    Surface surface(20, 10, kBackground);
    DrawStroke(surface, {3, 3, 12, 8}, 5, kShadowInk);
    DrawStroke(surface, {2, 2, 11, 7}, 4, kInk);

    ASSERT_EQ(surface.Marks().All().size(), 1u);
    const TextMark& mark = *surface.Marks().All().front();
    EXPECT_EQ(mark.area, (Rect{2, 2, 12, 8}));
    ASSERT_EQ(mark.layers->size(), 2u);
    EXPECT_EQ((*mark.layers)[0].colour, kShadowInk);
    EXPECT_EQ((*mark.layers)[1].colour, kInk);
    for (int y = mark.area.top; y < mark.area.bottom; ++y) {
        for (int x = mark.area.left; x < mark.area.right; ++x) {
            EXPECT_EQ(At(mark.under, mark.area, x, y), kBackground) << x << "," << y;
            EXPECT_EQ(At(mark.drawn, mark.area, x, y), surface.GetPixel(x, y));
        }
    }
    EXPECT_TRUE(IsStillShown(mark, surface));
}

TEST(TextMarkTest, ATextBesideAnotherIsAMarkOfItsOwn) {
    Surface surface(30, 10, kBackground);
    DrawStroke(surface, {0, 0, 10, 5}, 2, kInk);
    DrawStroke(surface, {0, 5, 10, 10}, 2, kInk);
    EXPECT_EQ(surface.Marks().All().size(), 2u);
}

TEST(TextMarkTest, AMarkCountsOnlyWhileItsPixelsAreShown) {
    Surface surface(20, 10, kBackground);
    DrawStroke(surface, {2, 2, 11, 7}, 4, kInk);
    const auto mark = surface.Marks().All().front();
    surface.SetPixel(10, 6, kInk);
    EXPECT_FALSE(IsStillShown(*mark, surface));

    // Painting over the whole area forgets the mark.
    surface.FillRect({0, 0, 12, 8}, kBackground);
    EXPECT_TRUE(surface.Marks().IsEmpty());
}

TEST(TextMarkTest, ACopyCarriesTheCopiedColumnsOfAText) {
    Surface text(40, 8, kBackground);
    DrawStroke(text, {0, 0, 40, 8}, 12, kInk);
    Surface window(30, 20, kBackground);
    Blit(window, {5, 6}, text, {10, 0, 30, 8});

    ASSERT_EQ(window.Marks().All().size(), 1u);
    const TextMark& mark = *window.Marks().All().front();
    EXPECT_EQ(mark.area, (Rect{5, 6, 25, 14}));
    // The layers keep their places relative to the moved pixels.
    EXPECT_EQ(mark.anchor, (Point{-5, 6}));
    EXPECT_TRUE(IsStillShown(mark, window));
    EXPECT_EQ(At(mark.drawn, mark.area, 7, 6), kInk);

    // A strip of some of the rows the text drew on is left to its pixels,
    // and a plain copy over the whole text forgets it.
    Surface strips(30, 20, kBackground);
    Blit(strips, {0, 0}, text, {0, 2, 40, 5});
    EXPECT_TRUE(strips.Marks().IsEmpty());
    Blit(window, {0, 0}, strips, strips.Bounds());
    EXPECT_TRUE(window.Marks().IsEmpty());
}

TEST(TextMarkTest, ACopyMayLeaveOutRowsTheTextDidNotDrawOn) {
    Surface text(20, 10, kMagenta);
    DrawMarkedText(text, {TextFont{"Sans", 9}, kInk, {0, 0}, text.Bounds(), "-"}, [&] {
        text.FillRect({2, 2, 9, 6}, kInk);
    });
    Surface field(20, 8, kBackground);
    TransparentBlit(field, {0, 4}, text, text.Bounds(), kMagenta);
    EXPECT_TRUE(field.Marks().IsEmpty()) << "rows 4..5 of the text are cut off";
    TransparentBlit(field, {0, 1}, text, text.Bounds(), kMagenta);
    ASSERT_EQ(field.Marks().All().size(), 1u);
    EXPECT_EQ(field.Marks().All().front()->area, (Rect{0, 1, 20, 8}));
}

TEST(TextMarkTest, ThroughAColourKeyTheMarkTakesTheDestinationsPixelsAsItsBackground) {
    Surface text(20, 8, kMagenta);
    DrawStroke(text, text.Bounds(), 3, kInk);
    Surface window(30, 10);
    for (int x = 0; x < 30; ++x)
        window.FillRect({x, 0, x + 1, 10}, Rgb(static_cast<std::uint8_t>(x * 8), 20, 30));
    const Surface before = window;
    TransparentBlit(window, {4, 1}, text, text.Bounds(), kMagenta);

    ASSERT_EQ(window.Marks().All().size(), 1u);
    const TextMark& mark = *window.Marks().All().front();
    EXPECT_TRUE(IsStillShown(mark, window));
    for (int y = mark.area.top; y < mark.area.bottom; ++y) {
        for (int x = mark.area.left; x < mark.area.right; ++x)
            EXPECT_EQ(At(mark.under, mark.area, x, y), before.GetPixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(At(mark.drawn, mark.area, 7, 3), kInk);
}

TEST(TextMarkTest, PiecesOfATextCopiedSideBySideAreOneMarkWithTheFieldUnderIt) {
    Surface text(40, 8, kMagenta);
    DrawStroke(text, text.Bounds(), 17, kInk);
    Surface field(50, 8, kBackground);
    TransparentBlit(field, {5, 0}, text, {0, 0, 20, 8}, kMagenta);
    TransparentBlit(field, {20, 0}, text, {15, 0, 40, 8}, kMagenta);

    ASSERT_EQ(field.Marks().All().size(), 1u);
    const TextMark& mark = *field.Marks().All().front();
    EXPECT_EQ(mark.area, (Rect{5, 0, 45, 8}));
    EXPECT_TRUE(IsStillShown(mark, field));
    EXPECT_EQ(At(mark.under, mark.area, 22, 3), kBackground);
    EXPECT_EQ(At(mark.drawn, mark.area, 22, 3), kInk);
}

TEST(TextMarkTest, ManyTextsKeepOnlyTheNewestMarks) {
    Surface surface(400, 400, kBackground);
    for (int i = 0; i < 100; ++i)
        DrawStroke(surface, Rect::FromSize((i % 20) * 20, (i / 20) * 20, 10, 10), (i % 20) * 20,
                   kInk);
    ASSERT_FALSE(surface.Marks().IsEmpty());
    EXPECT_LT(surface.Marks().All().size(), 100u);
    EXPECT_EQ(surface.Marks().All().back()->area, Rect::FromSize(380, 80, 10, 10));
}

} // namespace
} // namespace vantor::gfx
