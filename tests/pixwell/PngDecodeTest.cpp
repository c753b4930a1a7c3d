// What a successful decode hands back: the information block and the rows.
#include "PngTestSupport.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

TEST(PngDecodeTest, OnePixelTruecolourGivesTopDown24BitAndPaddedRow) {
    const std::uint8_t rgb[] = {0x11, 0x22, 0x33};
    const auto decode = DecodePng(MakeTruecolourPng(1, 1, rgb));
    ASSERT_EQ(decode.loadResult, 1);
    EXPECT_EQ(decode.getResult, 1);
    const auto header = decode.Header();
    EXPECT_EQ(header.size, 40u);
    EXPECT_EQ(header.width, 1);
    EXPECT_EQ(header.height, -1);
    EXPECT_EQ(header.planes, 1);
    EXPECT_EQ(header.bitCount, 24);
    EXPECT_EQ(header.compression, 0u);
    EXPECT_EQ(header.sizeImage, 0u);
    EXPECT_EQ(header.xPelsPerMeter, 0);
    EXPECT_EQ(header.yPelsPerMeter, 0);
    EXPECT_EQ(header.clrUsed, 0u);
    EXPECT_EQ(header.clrImportant, 0u);
    for (std::size_t i = 40; i < decode.info.size(); ++i)
        ASSERT_EQ(decode.info[i], 0) << "palette byte " << i;
    EXPECT_EQ(decode.pixelSize, 4);
    EXPECT_EQ(decode.pixels, (std::vector<std::uint8_t>{0x33, 0x22, 0x11, 0}));
}

TEST(PngDecodeTest, TruecolourRowsAreBlueGreenRedTopFirstThroughEveryFilter) {
    constexpr std::uint32_t w = 7, h = 10;
    const auto rgb = PatternBytes(w * h * 3, 1);
    const auto decode = DecodePng(MakeTruecolourPng(w, h, rgb));
    ASSERT_EQ(decode.loadResult, 1);
    EXPECT_EQ(decode.Header().height, -10);
    constexpr std::size_t stride = 24; // 21 bytes rounded up
    ASSERT_EQ(decode.pixelSize, static_cast<std::int32_t>(stride * h));
    for (std::size_t y = 0; y < h; ++y) {
        for (std::size_t x = 0; x < w; ++x) {
            const std::uint8_t* in = &rgb[(y * w + x) * 3];
            const std::uint8_t* out = &decode.pixels[y * stride + x * 3];
            ASSERT_EQ(out[0], in[2]) << x << "," << y;
            ASSERT_EQ(out[1], in[1]) << x << "," << y;
            ASSERT_EQ(out[2], in[0]) << x << "," << y;
        }
        for (std::size_t pad = w * 3; pad < stride; ++pad)
            ASSERT_EQ(decode.pixels[y * stride + pad], 0);
    }
}

TEST(PngDecodeTest, EveryRowPaddingComesOutRight) {
    // Widths 1 to 9 give every remainder of the row length modulo 4, for
    // bitmap rows both shorter and longer than their scanlines.
    for (std::uint32_t w = 1; w <= 9; ++w) {
        for (const std::uint8_t colourType : {std::uint8_t{2}, std::uint8_t{3}}) {
            constexpr std::uint32_t h = 5;
            const std::size_t bpp = colourType == 2 ? 3 : 1;
            const std::size_t stride = (w * bpp + 3) / 4 * 4;
            const auto bytes = PatternBytes(w * h * bpp, w);
            const std::vector<std::uint8_t> palette(768, 1);
            const auto decode =
                DecodePng(MakePng({w, h, 8, colourType}, bytes,
                                  colourType == 3 ? std::span<const std::uint8_t>(palette)
                                                  : std::span<const std::uint8_t>()));
            ASSERT_EQ(decode.loadResult, 1) << w;
            ASSERT_EQ(decode.pixels.size(), stride * h) << w;
            for (std::size_t y = 0; y < h; ++y) {
                for (std::size_t x = 0; x < w * bpp; ++x) {
                    const std::size_t source = bpp == 3 ? x - x % 3 + (2 - x % 3) : x;
                    ASSERT_EQ(decode.pixels[y * stride + x], bytes[y * w * bpp + source])
                        << "width " << w << " type " << int{colourType} << " at " << x << "," << y;
                }
                for (std::size_t pad = w * bpp; pad < stride; ++pad)
                    ASSERT_EQ(decode.pixels[y * stride + pad], 0) << w;
            }
        }
    }
}

TEST(PngDecodeTest, EachFilterAloneDecodesTheSameImage) {
    constexpr std::uint32_t w = 9, h = 6;
    const auto rgb = PatternBytes(w * h * 3, 7);
    const auto reference = DecodePng(MakePng({w, h, 8, 2}, rgb, {}, std::vector<std::uint8_t>{0}));
    ASSERT_EQ(reference.loadResult, 1);
    for (std::uint8_t filter = 1; filter <= 4; ++filter) {
        const std::vector<std::uint8_t> only = {filter};
        const auto decode = DecodePng(MakePng({w, h, 8, 2}, rgb, {}, only));
        ASSERT_EQ(decode.loadResult, 1) << int{filter};
        EXPECT_EQ(decode.pixels, reference.pixels) << "filter " << int{filter};
    }
}

TEST(PngDecodeTest, PaethPrefersLeftThenAboveOnTies) {
    // Flat areas and steps make every predictor distance tie somewhere.
    constexpr std::uint32_t w = 6, h = 4;
    const std::vector<std::uint8_t> indices = {5, 5, 5, 9, 9, 9, 5, 5, 9, 9, 5,   5,
                                               9, 5, 9, 5, 9, 5, 0, 0, 0, 0, 255, 255};
    std::vector<std::uint8_t> palette(256 * 3, 0);
    const std::vector<std::uint8_t> paeth = {4};
    const auto decode = DecodePng(MakePng({w, h, 8, 3}, indices, palette, paeth));
    ASSERT_EQ(decode.loadResult, 1);
    for (std::size_t y = 0; y < h; ++y)
        for (std::size_t x = 0; x < w; ++x)
            ASSERT_EQ(decode.pixels[y * 8 + x], indices[y * w + x]) << x << "," << y;
}

TEST(PngDecodeTest, FiveWideIndexedGivesEightByteRowsAndTheWholePalette) {
    constexpr std::uint32_t w = 5, h = 3;
    const std::vector<std::uint8_t> indices = {0, 1, 2, 1, 0, 2, 2, 2, 2, 2, 0, 0, 1, 1, 200};
    const std::vector<std::uint8_t> palette = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    const auto decode = DecodePng(MakeIndexedPng(w, h, indices, palette));
    ASSERT_EQ(decode.loadResult, 1);
    EXPECT_EQ(decode.Header().bitCount, 8);
    EXPECT_EQ(decode.Header().height, -3);
    ASSERT_EQ(decode.pixelSize, 24);
    for (std::size_t y = 0; y < h; ++y) {
        for (std::size_t x = 0; x < w; ++x)
            EXPECT_EQ(decode.pixels[y * 8 + x], indices[y * w + x]);
        for (std::size_t pad = 5; pad < 8; ++pad)
            EXPECT_EQ(decode.pixels[y * 8 + pad], 0);
    }
    for (int i = 0; i < 3; ++i) {
        const auto entry = decode.Palette(i);
        EXPECT_EQ(entry.red, palette[i * 3]);
        EXPECT_EQ(entry.green, palette[i * 3 + 1]);
        EXPECT_EQ(entry.blue, palette[i * 3 + 2]);
        EXPECT_EQ(entry.reserved, 0);
    }
    // Entries past the file's palette are zero, index 200 included.
    for (int i = 3; i < 256; ++i) {
        const auto entry = decode.Palette(i);
        ASSERT_EQ(entry.red | entry.green | entry.blue | entry.reserved, 0) << i;
    }
}

TEST(PngDecodeTest, FullPaletteOf768BytesIsAccepted) {
    std::vector<std::uint8_t> palette(768);
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = static_cast<std::uint8_t>(i / 3);
    const std::uint8_t index[] = {255};
    const auto decode = DecodePng(MakeIndexedPng(1, 1, index, palette));
    ASSERT_EQ(decode.loadResult, 1);
    EXPECT_EQ(decode.Palette(255).red, 255);
    EXPECT_EQ(decode.Palette(128).blue, 128);
}

TEST(PngDecodeTest, ImageDataSplitAcrossManyChunksWithOthersBetween) {
    constexpr std::uint32_t w = 16, h = 16;
    const auto rgb = PatternBytes(w * h * 3, 3);
    auto file = MakePng({w, h, 8, 2}, rgb, {}, AllFilters(), 13);
    const auto whole = DecodePng(MakeTruecolourPng(w, h, rgb));
    // An ancillary chunk between two IDAT chunks does not disturb the data.
    file.chunks.insert(file.chunks.begin() + 3, PngChunk{"tIME", {7, 0xE0, 1, 1, 0, 0, 0}});
    const auto split = DecodePng(file);
    ASSERT_EQ(split.loadResult, 1);
    EXPECT_EQ(split.pixels, whole.pixels);
}

TEST(PngDecodeTest, ExGetPngCopiesOnceAndThenHoldsNothing) {
    TempDir dir;
    const std::uint8_t rgb[] = {1, 2, 3};
    const auto path = dir.Write("one.png", MakeTruecolourPng(1, 1, rgb).Bytes());
    std::array<std::uint8_t, PIXWELL_BITMAP_INFO_SIZE> info{};
    std::int32_t size = 0;
    ASSERT_EQ(exLoadPNG(path.c_str(), info.data(), &size), 1);
    EXPECT_EQ(exGetPNG(nullptr), 0);
    // The null call released the decode, so nothing is left to copy.
    std::uint8_t pixels[4] = {};
    EXPECT_EQ(exGetPNG(pixels), 0);

    ASSERT_EQ(exLoadPNG(path.c_str(), info.data(), &size), 1);
    EXPECT_EQ(exGetPNG(pixels), 1);
    EXPECT_EQ(pixels[0], 3);
    EXPECT_EQ(exGetPNG(pixels), 0);
}

TEST(PngDecodeTest, AFailedLoadClearsTheDecodeBefore) {
    TempDir dir;
    const std::uint8_t rgb[] = {1, 2, 3};
    const auto good = dir.Write("good.png", MakeTruecolourPng(1, 1, rgb).Bytes());
    std::array<std::uint8_t, PIXWELL_BITMAP_INFO_SIZE> info{};
    std::int32_t size = 0;
    ASSERT_EQ(exLoadPNG(good.c_str(), info.data(), &size), 1);
    EXPECT_EQ(exLoadPNG(dir.File("missing.png").c_str(), info.data(), &size), 0);
    std::uint8_t pixels[4] = {};
    EXPECT_EQ(exGetPNG(pixels), 0);
}

TEST(PngDecodeTest, NullArgumentsAreRefused) {
    TempDir dir;
    const std::uint8_t rgb[] = {1, 2, 3};
    const auto path = dir.Write("one.png", MakeTruecolourPng(1, 1, rgb).Bytes());
    std::array<std::uint8_t, PIXWELL_BITMAP_INFO_SIZE> info{};
    std::int32_t size = 0;
    EXPECT_EQ(exLoadPNG(nullptr, info.data(), &size), 0);
    EXPECT_EQ(exLoadPNG(path.c_str(), nullptr, &size), 0);
    EXPECT_EQ(exLoadPNG(path.c_str(), info.data(), nullptr), 0);
}

TEST(PngDecodeTest, VersionIsOne) {
    EXPECT_EQ(Pixwell_GetVersion(), 1.0f);
}

} // namespace
} // namespace vantor::test
