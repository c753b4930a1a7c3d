#include "gfx/Line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::gfx {
namespace {

constexpr Pixel kInk = Rgb(0, 200, 0);

// The surface as text rows: '#' for ink, '.' for anything else.
std::vector<std::string> Picture(const Surface& s) {
    std::vector<std::string> rows;
    for (int y = 0; y < s.Height(); ++y) {
        std::string row;
        for (int x = 0; x < s.Width(); ++x)
            row += s.GetPixel(x, y) == kInk ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST(LineTest, ThinLineLeavesOutItsEndPoint) {
    Surface s(6, 1);
    DrawLine(s, {1, 0}, {4, 0}, kInk);
    EXPECT_EQ(Picture(s), (std::vector<std::string>{".###.."}));
}

TEST(LineTest, ThinDiagonalStepsOnePixelPerRow) {
    Surface s(4, 4);
    DrawLine(s, {3, 0}, {0, 3}, kInk);
    EXPECT_EQ(Picture(s), (std::vector<std::string>{"...#", "..#.", ".#..", "...."}));
}

TEST(LineTest, ThinSteepLineCoversEveryRow) {
    Surface s(3, 5);
    DrawLine(s, {0, 0}, {2, 5}, kInk);
    int rowsWithInk = 0;
    for (const auto& row : Picture(s))
        rowsWithInk += row.find('#') != std::string::npos ? 1 : 0;
    EXPECT_EQ(rowsWithInk, 5);
}

TEST(LineTest, ZeroLengthThinLineDrawsNothing) {
    Surface s(3, 3);
    DrawLine(s, {1, 1}, {1, 1}, kInk);
    EXPECT_EQ(Picture(s), (std::vector<std::string>{"...", "...", "..."}));
}

TEST(LineTest, WideHorizontalLineCoversWidthRows) {
    Surface odd(9, 7);
    DrawLine(odd, {2, 3}, {6, 3}, kInk, 3);
    // Round ends of radius 1.5 reach one pixel past each end point.
    EXPECT_EQ(Picture(odd),
              (std::vector<std::string>{".........", ".........", ".#######.", ".#######.",
                                        ".#######.", ".........", "........."}));
    // An even width runs along pixel edges: rows 2 and 3, and half a pixel
    // past each end.
    Surface even(8, 6);
    DrawLine(even, {2, 3}, {5, 3}, kInk, 2);
    EXPECT_EQ(Picture(even), (std::vector<std::string>{"........", "........", ".#####..",
                                                       ".#####..", "........", "........"}));
}

TEST(LineTest, WideLineIsClippedAtTheEdges) {
    Surface s(3, 3);
    DrawLine(s, {-5, 1}, {10, 1}, kInk, 3);
    EXPECT_EQ(Picture(s), (std::vector<std::string>{"###", "###", "###"}));
}

TEST(LineTest, PenDrawsFromItsPositionAndMoves) {
    Surface s(5, 3);
    Pen pen(kInk, 0);
    EXPECT_EQ(pen.Width(), 1);
    pen.MoveTo({0, 1});
    pen.LineTo(s, {2, 1});
    pen.LineTo(s, {4, 1});
    EXPECT_EQ(pen.Position(), (Point{4, 1}));
    // Segments join without a gap; only the last end point is left out.
    EXPECT_EQ(Picture(s), (std::vector<std::string>{".....", "####.", "....."}));
}

} // namespace
} // namespace vantor::gfx
