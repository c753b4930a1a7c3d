// Every way a PNG is refused, and the chunks that are let through.
#include "PngTestSupport.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <zlib.h>

namespace vantor::test {
namespace {

PngFile SmallTruecolour() {
    return MakeTruecolourPng(4, 3, PatternBytes(4 * 3 * 3, 11));
}

PngFile SmallIndexed() {
    const std::vector<std::uint8_t> palette = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    return MakeIndexedPng(4, 2, std::vector<std::uint8_t>{0, 1, 2, 0, 2, 1, 0, 1}, palette);
}

int Load(const PngFile& file) {
    return DecodePng(file).loadResult;
}
int LoadBytes(const std::vector<std::uint8_t>& bytes) {
    return DecodePngBytes(bytes).loadResult;
}

std::vector<std::uint8_t> FourBytes(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

TEST(PngChunkRulesTest, TheBaseImagesLoad) {
    EXPECT_EQ(Load(SmallTruecolour()), 1);
    EXPECT_EQ(Load(SmallIndexed()), 1);
}

TEST(PngChunkRulesTest, IndexedImagePaletteMustBePresentAndWellSized) {
    auto missing = SmallIndexed();
    missing.Remove("PLTE");
    EXPECT_EQ(Load(missing), 0);

    for (std::size_t length :
         {std::size_t{769}, std::size_t{10}, std::size_t{0}, std::size_t{771}}) {
        auto file = SmallIndexed();
        file.Find("PLTE")->payload.assign(length, 7);
        EXPECT_EQ(Load(file), 0) << "PLTE of " << length << " bytes";
    }
}

TEST(PngChunkRulesTest, UnsupportedFormatsAreRefused) {
    const auto pixels = PatternBytes(4 * 4 * 8, 5);
    struct Case {
        const char* name;
        PngHeader header;
    };
    const Case cases[] = {
        {"interlaced", {4, 4, 8, 2, 0, 0, 1}}, {"greyscale", {4, 4, 8, 0}},
        {"grey with alpha", {4, 4, 8, 4}},     {"RGBA", {4, 4, 8, 6}},
        {"16-bit truecolour", {4, 4, 16, 2}},  {"4-bit indexed", {4, 4, 4, 3}},
        {"1-bit greyscale", {4, 4, 1, 0}},     {"unknown colour type", {4, 4, 8, 5}},
    };
    const std::vector<std::uint8_t> palette(48, 9);
    for (const auto& c : cases) {
        const auto rowBytes = RowLength(c.header) * c.header.height;
        const auto file = MakePng(c.header, std::span(pixels).first(rowBytes),
                                  c.header.colourType == 3 ? std::span<const std::uint8_t>(palette)
                                                           : std::span<const std::uint8_t>());
        EXPECT_EQ(Load(file), 0) << c.name;
    }
}

TEST(PngChunkRulesTest, CompressionAndFilterMethodBytesAreNotChecked) {
    auto file = SmallTruecolour();
    file.Find("IHDR")->payload[10] = 3;
    file.Find("IHDR")->payload[11] = 9;
    EXPECT_EQ(Load(file), 1);
}

TEST(PngChunkRulesTest, ACorruptedCrcInAnyChunkFails) {
    for (const char* type : {"IHDR", "PLTE", "IDAT", "IEND", "tEXt"}) {
        auto file = SmallIndexed();
        file.InsertBefore("IDAT", {"tEXt", {'a', 0, 'b'}});
        file.Find(type)->corruptCrc = true;
        EXPECT_EQ(Load(file), 0) << type;
    }
}

TEST(PngChunkRulesTest, ValidAncillaryAndUnknownChunksAreIgnored) {
    auto file = SmallTruecolour();
    file.InsertBefore("IDAT", {"gAMA", FourBytes(45455)});
    file.InsertBefore("IDAT", {"tEXt", {'T', 'i', 't', 'l', 'e', 0, 'x'}});
    file.InsertBefore("IEND", {"zzZZ", {1, 2, 3}});
    // An unknown critical chunk is let through as well.
    file.InsertBefore("IEND", {"CRIT", std::vector<std::uint8_t>(5000, 1)});
    EXPECT_EQ(Load(file), 1);
}

TEST(PngChunkRulesTest, ChunkTypesAreCaseSensitive) {
    auto file = SmallTruecolour();
    file.Find("IHDR")->type = "iHDR";
    EXPECT_EQ(Load(file), 0);
}

TEST(PngChunkRulesTest, ChunkOrderIsEnforced) {
    auto twoHeaders = SmallTruecolour();
    twoHeaders.InsertBefore("IDAT", twoHeaders.chunks.front());
    EXPECT_EQ(Load(twoHeaders), 0);

    auto paletteFirst = SmallIndexed();
    std::swap(paletteFirst.chunks[0], paletteFirst.chunks[1]);
    EXPECT_EQ(Load(paletteFirst), 0);

    auto dataFirst = SmallTruecolour();
    std::swap(dataFirst.chunks[0], dataFirst.chunks[1]);
    EXPECT_EQ(Load(dataFirst), 0);

    auto noData = SmallTruecolour();
    noData.Remove("IDAT");
    EXPECT_EQ(Load(noData), 0);

    auto noEnd = SmallTruecolour();
    noEnd.Remove("IEND");
    EXPECT_EQ(Load(noEnd), 0);
}

TEST(PngChunkRulesTest, EmptyImageDataChunksCount) {
    // An empty IDAT before any data still marks the data as seen.
    auto file = SmallTruecolour();
    file.InsertBefore("IDAT", {"IDAT", {}});
    EXPECT_EQ(Load(file), 1);
    auto onlyEmpty = SmallTruecolour();
    onlyEmpty.Remove("IDAT");
    onlyEmpty.InsertBefore("IEND", {"IDAT", {}});
    EXPECT_EQ(Load(onlyEmpty), 0);
}

TEST(PngChunkRulesTest, DataAfterTheEndIsNotRead) {
    auto bytes = SmallTruecolour().Bytes();
    bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFF, 'j', 'u', 'n', 'k'});
    EXPECT_EQ(LoadBytes(bytes), 1);
}

TEST(PngChunkRulesTest, BrokenFilesAreRefused) {
    TempDir dir;
    std::array<std::uint8_t, PIXWELL_BITMAP_INFO_SIZE> info{};
    std::int32_t size = 0;
    EXPECT_EQ(exLoadPNG(dir.File("missing.png").c_str(), info.data(), &size), 0);
    EXPECT_EQ(exLoadPNG(dir.Path().c_str(), info.data(), &size), 0) << "a folder";
    EXPECT_EQ(LoadBytes({}), 0);

    auto badSignature = SmallTruecolour();
    badSignature.corruptSignature = true;
    EXPECT_EQ(Load(badSignature), 0);

    const auto bytes = SmallTruecolour().Bytes();
    for (std::size_t cut : {std::size_t{4}, std::size_t{8}, std::size_t{20}, bytes.size() - 1})
        EXPECT_EQ(LoadBytes({bytes.begin(), bytes.begin() + cut}), 0) << "cut at " << cut;
}

TEST(PngChunkRulesTest, LengthsTheFileCannotHoldAreRefused) {
    for (std::uint32_t length : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 5000u}) {
        auto file = SmallTruecolour();
        file.InsertBefore("IDAT", {"tEXt", {1, 2, 3}, false, length});
        EXPECT_EQ(Load(file), 0) << length;
        auto data = SmallTruecolour();
        data.Find("IDAT")->lengthOverride = length;
        EXPECT_EQ(Load(data), 0) << length;
    }
}

TEST(PngChunkRulesTest, ShortOrZeroSizedHeadersAreRefused) {
    auto shortHeader = SmallTruecolour();
    shortHeader.Find("IHDR")->payload.resize(12);
    EXPECT_EQ(Load(shortHeader), 0);

    auto zeroWidth = SmallTruecolour();
    zeroWidth.Find("IHDR")->payload = HeaderPayload({0, 3, 8, 2});
    EXPECT_EQ(Load(zeroWidth), 0);

    auto zeroHeight = SmallTruecolour();
    zeroHeight.Find("IHDR")->payload = HeaderPayload({4, 0, 8, 2});
    EXPECT_EQ(Load(zeroHeight), 0);
}

TEST(PngChunkRulesTest, SizesBeyondWhatTheDataCanHoldAreRefusedWithoutOverflow) {
    // Each header claims far more pixels than a few bytes of image data can
    // inflate to, or more than the 32-bit sizes can describe.
    const PngHeader claims[] = {
        {100000, 100000, 8, 2}, {0x80000000u, 1, 8, 2},           {0x55555556u, 3, 8, 2},
        {1, 0xFFFFFFFFu, 8, 3}, {0xFFFFFFFFu, 0xFFFFFFFFu, 8, 2}, {40000, 40000, 8, 3},
    };
    const std::vector<std::uint8_t> palette = {1, 2, 3};
    for (const auto& claim : claims) {
        auto file = SmallIndexed();
        file.Find("IHDR")->payload = HeaderPayload(claim);
        if (claim.colourType == 2)
            file.Remove("PLTE");
        EXPECT_EQ(Load(file), 0) << claim.width << "x" << claim.height;
    }
}

TEST(PngChunkRulesTest, FilterTypesAboveFourAreRefused) {
    const std::vector<std::uint8_t> bad = {0, 5};
    EXPECT_EQ(Load(MakePng({4, 3, 8, 2}, PatternBytes(36, 2), {}, bad)), 0);
}

TEST(PngChunkRulesTest, BrokenCompressedDataIsRefused) {
    auto garbage = SmallTruecolour();
    garbage.Remove("IDAT");
    garbage.InsertBefore("IEND", {"IDAT", {0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0x00, 0x12}});
    EXPECT_EQ(Load(garbage), 0);

    // The stream stops before its end.
    auto truncated =
        MakePng({64, 64, 8, 2}, PatternBytes(64 * 64 * 3, 4), {}, AllFilters(), 1 << 20);
    auto& data = truncated.Find("IDAT")->payload;
    data.resize(data.size() / 2);
    EXPECT_EQ(Load(truncated), 0);

    // Four rows of data behind a three-row header fill the buffer first.
    const auto tooMuch = MakeTruecolourPng(4, 3, PatternBytes(4 * 4 * 3, 6));
    EXPECT_EQ(Load(tooMuch), 0);
}

TEST(PngChunkRulesTest, AStreamThatEndsEarlyLeavesTheMissingRowsBlack) {
    // Two rows of data for a four-row header: the stream ends cleanly.
    const auto rgb = PatternBytes(2 * 2 * 3, 8);
    auto file = MakeTruecolourPng(2, 2, rgb);
    file.Find("IHDR")->payload = HeaderPayload({2, 4, 8, 2});
    const auto decode = DecodePng(file);
    ASSERT_EQ(decode.loadResult, 1);
    ASSERT_EQ(decode.pixels.size(), 32u);
    EXPECT_EQ(decode.pixels[0], rgb[2]);
    for (std::size_t i = 16; i < 32; ++i)
        EXPECT_EQ(decode.pixels[i], 0) << i;
}

} // namespace
} // namespace vantor::test
