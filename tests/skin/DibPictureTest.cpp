#include "skin/DibPicture.h"

#include "pixwell.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace vantor {
namespace {

using Info = std::array<std::uint8_t, PIXWELL_BITMAP_INFO_SIZE>;

Info MakeInfo(int width, int height, int bitCount) {
    Info info{};
    PixwellBitmapInfoHeader header{};
    header.size = 40;
    header.width = width;
    header.height = height;
    header.planes = 1;
    header.bitCount = static_cast<std::uint16_t>(bitCount);
    std::memcpy(info.data(), &header, sizeof header);
    return info;
}

TEST(DibPictureTest, TopDownTruecolourRowsBecomeSurfaceRows) {
    // 2 x 2, rows of 6 bytes padded to 8, blue-green-red.
    const std::vector<std::uint8_t> pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    const auto picture = DibToPicture(pixels, MakeInfo(2, -2, 24));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 2);
    EXPECT_EQ(picture->Height(), 2);
    EXPECT_EQ(picture->GetPixel(0, 0), gfx::Rgb(3, 2, 1));
    EXPECT_EQ(picture->GetPixel(1, 0), gfx::Rgb(6, 5, 4));
    EXPECT_EQ(picture->GetPixel(0, 1), gfx::Rgb(9, 8, 7));
    EXPECT_EQ(picture->GetPixel(1, 1), gfx::Rgb(12, 11, 10));
}

TEST(DibPictureTest, BottomUpRowsAreTurnedOver) {
    const std::vector<std::uint8_t> pixels = {1, 1, 1, 0, 2, 2, 2, 0};
    const auto picture = DibToPicture(pixels, MakeInfo(1, 2, 24));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetPixel(0, 0), gfx::Rgb(2, 2, 2));
    EXPECT_EQ(picture->GetPixel(0, 1), gfx::Rgb(1, 1, 1));
}

TEST(DibPictureTest, IndexedPixelsTakeTheirPaletteColours) {
    auto info = MakeInfo(3, -1, 8);
    const std::uint8_t entry7[] = {0x30, 0x20, 0x10, 0}; // blue, green, red
    std::memcpy(info.data() + 40 + 7 * 4, entry7, 4);
    const std::vector<std::uint8_t> pixels = {7, 0, 255, 0};
    const auto picture = DibToPicture(pixels, info);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetPixel(0, 0), gfx::Rgb(0x10, 0x20, 0x30));
    EXPECT_EQ(picture->GetPixel(1, 0), gfx::kBlack);
    EXPECT_EQ(picture->GetPixel(2, 0), gfx::kBlack);
}

TEST(DibPictureTest, BlocksItCannotDrawGiveNothing) {
    const std::vector<std::uint8_t> pixels(64, 0);
    EXPECT_EQ(DibToPicture(pixels, MakeInfo(2, -2, 32)), nullptr);
    EXPECT_EQ(DibToPicture(pixels, MakeInfo(0, -2, 24)), nullptr);
    EXPECT_EQ(DibToPicture(pixels, MakeInfo(2, 0, 24)), nullptr);
    EXPECT_EQ(DibToPicture(pixels, MakeInfo(-2, 2, 24)), nullptr);
    // More rows than the pixels hold.
    EXPECT_EQ(DibToPicture(pixels, MakeInfo(4, -6, 24)), nullptr);
    EXPECT_EQ(DibToPicture(pixels, MakeInfo(0x7FFFFFFF, -0x7FFFFFFF, 24)), nullptr);
    const auto info = MakeInfo(1, 1, 24);
    EXPECT_EQ(DibToPicture(pixels, std::span(info).first(40)), nullptr);
}

} // namespace
} // namespace vantor
