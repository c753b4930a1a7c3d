#include "support/PngWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace vantor::test {

namespace {

constexpr std::uint8_t kFilters[] = {0, 1, 2, 3, 4};

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint8_t PaethPredictor(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return static_cast<std::uint8_t>(a);
    return static_cast<std::uint8_t>(pb <= pc ? b : c);
}

// The predictor of the filter for byte i of a row.
int Prediction(std::uint8_t filter, const std::uint8_t* row, const std::uint8_t* prior,
               std::size_t i, std::size_t bpp) {
    const int a = i >= bpp ? row[i - bpp] : 0;
    const int b = prior[i];
    const int c = i >= bpp ? prior[i - bpp] : 0;
    switch (filter) {
    case 1:
        return a;
    case 2:
        return b;
    case 3:
        return (a + b) / 2;
    case 4:
        return PaethPredictor(a, b, c);
    default:
        return 0;
    }
}

std::size_t Channels(const PngHeader& header) {
    switch (header.colourType) {
    case 2:
        return 3;
    case 4:
        return 2;
    case 6:
        return 4;
    default:
        return 1;
    }
}

void AddChunk(std::vector<std::uint8_t>& out, const PngChunk& chunk) {
    PutBigEndian32(out,
                   chunk.lengthOverride.value_or(static_cast<std::uint32_t>(chunk.payload.size())));
    std::vector<std::uint8_t> typed(chunk.type.begin(), chunk.type.end());
    typed.insert(typed.end(), chunk.payload.begin(), chunk.payload.end());
    std::uint32_t crc =
        static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size())));
    if (chunk.corruptCrc)
        crc ^= 0x00010000u;
    out.insert(out.end(), typed.begin(), typed.end());
    PutBigEndian32(out, crc);
}

} // namespace

std::span<const std::uint8_t> AllFilters() {
    return kFilters;
}

PngChunk* PngFile::Find(const std::string& type) {
    const auto it = std::find_if(chunks.begin(), chunks.end(),
                                 [&](const PngChunk& chunk) { return chunk.type == type; });
    return it == chunks.end() ? nullptr : &*it;
}

void PngFile::Remove(const std::string& type) {
    std::erase_if(chunks, [&](const PngChunk& chunk) { return chunk.type == type; });
}

void PngFile::InsertBefore(const std::string& beforeType, PngChunk chunk) {
    const auto it = std::find_if(chunks.begin(), chunks.end(),
                                 [&](const PngChunk& c) { return c.type == beforeType; });
    chunks.insert(it, std::move(chunk));
}

std::vector<std::uint8_t> PngFile::Bytes() const {
    std::vector<std::uint8_t> out = {137, 80, 78, 71, 13, 10, 26, 10};
    if (corruptSignature)
        out[1] = 'p';
    for (const auto& chunk : chunks)
        AddChunk(out, chunk);
    return out;
}

std::vector<std::uint8_t> HeaderPayload(const PngHeader& header) {
    std::vector<std::uint8_t> payload;
    PutBigEndian32(payload, header.width);
    PutBigEndian32(payload, header.height);
    payload.insert(payload.end(), {header.bitDepth, header.colourType, header.compression,
                                   header.filter, header.interlace});
    return payload;
}

std::size_t FilterBytesPerPixel(const PngHeader& header) {
    return std::max<std::size_t>(1, Channels(header) * header.bitDepth / 8);
}

std::size_t RowLength(const PngHeader& header) {
    return (std::size_t{header.width} * Channels(header) * header.bitDepth + 7) / 8;
}

std::vector<std::uint8_t> FilterRows(std::span<const std::uint8_t> pixels, std::size_t rowLength,
                                     std::size_t bytesPerPixel,
                                     std::span<const std::uint8_t> filters) {
    std::vector<std::uint8_t> out;
    const std::vector<std::uint8_t> zeros(rowLength, 0);
    const std::size_t rows = rowLength ? pixels.size() / rowLength : 0;
    for (std::size_t y = 0; y < rows; ++y) {
        const std::uint8_t* row = pixels.data() + y * rowLength;
        const std::uint8_t* prior = y == 0 ? zeros.data() : row - rowLength;
        const std::uint8_t filter = filters[y % filters.size()];
        out.push_back(filter);
        for (std::size_t i = 0; i < rowLength; ++i)
            out.push_back(static_cast<std::uint8_t>(
                row[i] - Prediction(filter, row, prior, i, bytesPerPixel)));
    }
    return out;
}

std::vector<std::uint8_t> Deflate(std::span<const std::uint8_t> bytes, int level) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::vector<std::uint8_t> out(size);
    if (compress2(out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(size);
    return out;
}

PngFile MakePng(const PngHeader& header, std::span<const std::uint8_t> pixels,
                std::span<const std::uint8_t> palette, std::span<const std::uint8_t> filters,
                std::size_t idatSize) {
    PngFile file;
    file.chunks.push_back({"IHDR", HeaderPayload(header)});
    if (!palette.empty())
        file.chunks.push_back({"PLTE", {palette.begin(), palette.end()}});
    const auto data =
        Deflate(FilterRows(pixels, RowLength(header), FilterBytesPerPixel(header), filters));
    for (std::size_t at = 0; at < data.size(); at += idatSize) {
        const std::size_t count = std::min(idatSize, data.size() - at);
        file.chunks.push_back({"IDAT", {data.begin() + at, data.begin() + at + count}});
    }
    file.chunks.push_back({"IEND", {}});
    return file;
}

PngFile MakeTruecolourPng(std::uint32_t width, std::uint32_t height,
                          std::span<const std::uint8_t> rgb) {
    return MakePng({width, height, 8, 2}, rgb);
}

PngFile MakeIndexedPng(std::uint32_t width, std::uint32_t height,
                       std::span<const std::uint8_t> indices,
                       std::span<const std::uint8_t> paletteRgb) {
    return MakePng({width, height, 8, 3}, indices, paletteRgb);
}

} // namespace vantor::test
