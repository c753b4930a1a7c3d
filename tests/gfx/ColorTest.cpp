#include "gfx/Color.h"

#include <gtest/gtest.h>

namespace vantor::gfx {
namespace {

TEST(PixelColorTest, ChannelsComeApartAndTogether) {
    const Pixel p = Rgb(0x12, 0x34, 0x56);
    EXPECT_EQ(p, 0x00123456u);
    EXPECT_EQ(RedOf(p), 0x12);
    EXPECT_EQ(GreenOf(p), 0x34);
    EXPECT_EQ(BlueOf(p), 0x56);
}

TEST(PixelColorTest, SkinColoursSwapRedAndBlue) {
    // A skin colour 0x0000FF is red in the file's blue-green-red order.
    EXPECT_EQ(FromColorRef(0x000000FF), Rgb(255, 0, 0));
    EXPECT_EQ(FromColorRef(0xAA123456), Rgb(0x56, 0x34, 0x12));
    EXPECT_EQ(ToColorRef(Rgb(0x56, 0x34, 0x12)), 0x00123456u);
    // Magenta reads the same either way.
    EXPECT_EQ(FromColorRef(0xFF00FF), kMagenta);
}

} // namespace
} // namespace vantor::gfx
