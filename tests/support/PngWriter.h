// Writes PNG files for tests, well-formed or deliberately broken: any colour
// type and bit depth, any mix of the five filters, extra or repeated
// chunks, wrong lengths and corrupted CRCs. Values only; no shared state.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantor::test {

struct PngHeader {
    std::uint32_t width = 1;
    std::uint32_t height = 1;
    std::uint8_t bitDepth = 8;
    std::uint8_t colourType = 2;
    std::uint8_t compression = 0;
    std::uint8_t filter = 0;
    std::uint8_t interlace = 0;
};

struct PngChunk {
    std::string type;
    std::vector<std::uint8_t> payload;
    bool corruptCrc = false;
    // Written instead of the payload's real length.
    std::optional<std::uint32_t> lengthOverride = std::nullopt;
};

// A PNG file as its chunks; Bytes() renders the signature and every chunk.
struct PngFile {
    std::vector<PngChunk> chunks;
    bool corruptSignature = false;

    // The first chunk of `type`, or null.
    PngChunk* Find(const std::string& type);
    void Remove(const std::string& type);
    // Inserts before the first chunk of `beforeType` (at the end if none).
    void InsertBefore(const std::string& beforeType, PngChunk chunk);
    std::vector<std::uint8_t> Bytes() const;
};

std::vector<std::uint8_t> HeaderPayload(const PngHeader& header);

// Bytes per pixel for the filters (at least 1, as the PNG rules say).
std::size_t FilterBytesPerPixel(const PngHeader& header);
std::size_t RowLength(const PngHeader& header);

// Prefixes each row of `pixels` (rowLength bytes each) with a filter type
// taken in turn from `filters` and filters the row with it.
std::vector<std::uint8_t> FilterRows(std::span<const std::uint8_t> pixels, std::size_t rowLength,
                                     std::size_t bytesPerPixel,
                                     std::span<const std::uint8_t> filters);

std::vector<std::uint8_t> Deflate(std::span<const std::uint8_t> bytes, int level = 6);

// Every filter type once, in turn.
std::span<const std::uint8_t> AllFilters();

// A complete file: IHDR, PLTE when `palette` (RGB triples) is not empty, the
// filtered and compressed `pixels` split into IDAT chunks of at most
// `idatSize` bytes, IEND.
PngFile MakePng(const PngHeader& header, std::span<const std::uint8_t> pixels,
                std::span<const std::uint8_t> palette = {},
                std::span<const std::uint8_t> filters = AllFilters(), std::size_t idatSize = 1024);

// Convenience: 8-bit truecolour from RGB bytes, 8-bit indexed from indices.
PngFile MakeTruecolourPng(std::uint32_t width, std::uint32_t height,
                          std::span<const std::uint8_t> rgb);
PngFile MakeIndexedPng(std::uint32_t width, std::uint32_t height,
                       std::span<const std::uint8_t> indices,
                       std::span<const std::uint8_t> paletteRgb);

} // namespace vantor::test
