// Runs Pixwell's two PNG calls on bytes written to a temporary file.
#pragma once

#include "pixwell.h"
#include "support/PngWriter.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vantor::test {

struct PngDecode {
    int loadResult = 0;
    int getResult = 0;
    std::array<std::uint8_t, PIXWELL_BITMAP_INFO_SIZE> info{};
    std::int32_t pixelSize = -1;
    std::vector<std::uint8_t> pixels;

    PixwellBitmapInfoHeader Header() const;
    PixwellPaletteEntry Palette(int index) const;
};

PngDecode DecodePngBytes(const std::vector<std::uint8_t>& bytes);
inline PngDecode DecodePng(const PngFile& file) {
    return DecodePngBytes(file.Bytes());
}

// Bytes 0..n-1 of a deterministic pattern, so every pixel differs.
std::vector<std::uint8_t> PatternBytes(std::size_t count, std::uint32_t seed);

} // namespace vantor::test
