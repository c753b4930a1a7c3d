// The region of a bitmap: one rectangle per run of non-magenta pixels.
#include "pixwell.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t M = 0x00FF00FF; // magenta
constexpr std::uint32_t R = 0x00FF0000; // red

struct Built {
    PixwellRegion header{};
    std::vector<PixwellRect> rects;
    PixwellRect bounds{};
};

bool operator==(const PixwellRect& a, const PixwellRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Builds the region of a width × height picture and copies the block out.
Built Build(const std::vector<std::uint32_t>& pixels, int width, int height, int stride = 0) {
    const PixwellBitmap bitmap{width, height, stride ? stride : width, pixels.data()};
    Built built;
    PixwellRegion* region = CreateRgnFromPictureBox(&bitmap, &built.bounds);
    EXPECT_NE(region, nullptr);
    if (!region)
        return built;
    built.header = *region;
    built.rects.resize(region->count);
    if (region->count > 0)
        std::memcpy(built.rects.data(), region + 1, region->count * sizeof(PixwellRect));
    Pixwell_FreeRegion(region);
    return built;
}

TEST(RegionBuilderTest, RowMagentaRedRedMagentaRedGivesTwoRectangles) {
    const std::vector<std::uint32_t> pixels = {M, M, M, M, M, M, R, R, M, R};
    const auto built = Build(pixels, 5, 2);
    ASSERT_EQ(built.rects.size(), 2u);
    EXPECT_TRUE((built.rects[0] == PixwellRect{1, 1, 3, 2}));
    EXPECT_TRUE((built.rects[1] == PixwellRect{4, 1, 5, 2}));
    EXPECT_TRUE((built.bounds == PixwellRect{1, 1, 5, 2}));
}

TEST(RegionBuilderTest, HeaderDescribesTheBlock) {
    const std::vector<std::uint32_t> pixels = {R, M, R, M, R, R};
    const auto built = Build(pixels, 3, 2);
    EXPECT_EQ(built.header.headerSize, 32u);
    EXPECT_EQ(built.header.type, 1u);
    EXPECT_EQ(built.header.count, 3u);
    EXPECT_EQ(built.header.regionSize, (3u + 2u) * 16u);
    EXPECT_TRUE((built.header.bounds == PixwellRect{0, 0, 3, 2}));
    EXPECT_EQ(sizeof(PixwellRegion), 32u);
    EXPECT_EQ(sizeof(PixwellRect), 16u);
}

TEST(RegionBuilderTest, AllMagentaGivesAnEmptyRegionAndTheUnitBox) {
    const std::vector<std::uint32_t> pixels(12, M);
    const auto built = Build(pixels, 4, 3);
    EXPECT_EQ(built.header.count, 0u);
    EXPECT_EQ(built.header.regionSize, 32u);
    EXPECT_TRUE((built.bounds == PixwellRect{0, 0, 1, 1}));
}

TEST(RegionBuilderTest, RunsAreNeverMergedAcrossRows) {
    const std::vector<std::uint32_t> pixels(6, R);
    const auto built = Build(pixels, 3, 2);
    ASSERT_EQ(built.rects.size(), 2u);
    EXPECT_TRUE((built.rects[0] == PixwellRect{0, 0, 3, 1}));
    EXPECT_TRUE((built.rects[1] == PixwellRect{0, 1, 3, 2}));
    EXPECT_TRUE((built.bounds == PixwellRect{0, 0, 3, 2}));
}

TEST(RegionBuilderTest, BoundsFollowTheOpaquePixelsOnly) {
    // Opaque pixels at (3, 1) and (1, 3) in a 5 × 5 magenta square.
    std::vector<std::uint32_t> pixels(25, M);
    pixels[1 * 5 + 3] = 0;
    pixels[3 * 5 + 1] = 0x00FF00FE; // one step from magenta is opaque
    const auto built = Build(pixels, 5, 5);
    EXPECT_EQ(built.rects.size(), 2u);
    EXPECT_TRUE((built.bounds == PixwellRect{1, 1, 4, 4}));
}

TEST(RegionBuilderTest, OnlyTheColourBitsDecideTransparency) {
    const std::vector<std::uint32_t> pixels = {0xFFFF00FF, R};
    const auto built = Build(pixels, 2, 1);
    ASSERT_EQ(built.rects.size(), 1u);
    EXPECT_TRUE((built.rects[0] == PixwellRect{1, 0, 2, 1}));
}

TEST(RegionBuilderTest, PixelsPastTheWidthInAWiderStrideAreIgnored) {
    const std::vector<std::uint32_t> pixels = {R, M, R, R, M, R, R, R};
    const auto built = Build(pixels, 2, 2, 4);
    ASSERT_EQ(built.rects.size(), 2u);
    EXPECT_TRUE((built.rects[0] == PixwellRect{0, 0, 1, 1}));
    EXPECT_TRUE((built.rects[1] == PixwellRect{1, 1, 2, 2}));
}

TEST(RegionBuilderTest, CheckerboardGivesOneRectanglePerOpaquePixel) {
    constexpr int w = 7, h = 5;
    std::vector<std::uint32_t> pixels(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels[y * w + x] = (x + y) % 2 ? M : R;
    const auto built = Build(pixels, w, h);
    EXPECT_EQ(built.rects.size(), 18u); // 4 + 3 + 4 + 3 + 4
}

TEST(RegionBuilderTest, UnusableBitmapsGiveNoRegion) {
    const std::vector<std::uint32_t> pixels(4, R);
    PixwellRect bounds{};
    const PixwellBitmap cases[] = {
        {0, 2, 2, pixels.data()}, {2, 0, 2, pixels.data()}, {-1, 2, 2, pixels.data()},
        {2, 2, 1, pixels.data()}, {2, 2, 2, nullptr},
    };
    for (const auto& bitmap : cases)
        EXPECT_EQ(CreateRgnFromPictureBox(&bitmap, &bounds), nullptr);
    EXPECT_EQ(CreateRgnFromPictureBox(nullptr, &bounds), nullptr);
    const PixwellBitmap good{2, 2, 2, pixels.data()};
    EXPECT_EQ(CreateRgnFromPictureBox(&good, nullptr), nullptr);
    Pixwell_FreeRegion(nullptr);
}

} // namespace
