#include "gfx/BmpEncoder.h"

#include <gtest/gtest.h>

namespace vantor::gfx {
namespace {

std::uint32_t Little32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

TEST(BmpEncoderTest, HeadersDescribeA24BitBottomUpPicture) {
    const auto bmp = EncodeBmp24(Surface(5, 2));
    ASSERT_EQ(bmp.size(), 54u + 16u * 2u); // 15 bytes a row, padded to 16
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Little32(bmp, 2), bmp.size());
    EXPECT_EQ(Little32(bmp, 10), 54u);
    EXPECT_EQ(Little32(bmp, 14), 40u);
    EXPECT_EQ(Little32(bmp, 18), 5u);
    EXPECT_EQ(Little32(bmp, 22), 2u);
    EXPECT_EQ(bmp[26] | (bmp[27] << 8), 1);
    EXPECT_EQ(bmp[28] | (bmp[29] << 8), 24);
    EXPECT_EQ(Little32(bmp, 30), 0u);
    EXPECT_EQ(Little32(bmp, 34), 32u);
}

TEST(BmpEncoderTest, RowsRunBottomUpInBlueGreenRedWithZeroPadding) {
    Surface s(1, 2);
    s.SetPixel(0, 0, Rgb(1, 2, 3));
    s.SetPixel(0, 1, Rgb(4, 5, 6));
    const auto bmp = EncodeBmp24(s);
    const std::vector<std::uint8_t> rows(bmp.begin() + 54, bmp.end());
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{6, 5, 4, 0, 3, 2, 1, 0}));
}

TEST(BmpEncoderTest, EmptySurfaceGivesHeadersOnly) {
    const auto bmp = EncodeBmp24(Surface());
    EXPECT_EQ(bmp.size(), 54u);
    EXPECT_EQ(Little32(bmp, 18), 0u);
}

} // namespace
} // namespace vantor::gfx
