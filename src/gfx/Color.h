// Pixel values of the raster layer: 32-bit 0x00RRGGBB, the order Pixwell's
// region builder and the skin files' colour keys are compared in. Skin and
// settings colours arrive as 0x00BBGGRR and are converted at the boundary.
#pragma once

#include <cstdint>

namespace vantor::gfx {

using Pixel = std::uint32_t;

constexpr Pixel Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return (Pixel{red} << 16) | (Pixel{green} << 8) | Pixel{blue};
}
constexpr std::uint8_t RedOf(Pixel pixel) {
    return static_cast<std::uint8_t>(pixel >> 16);
}
constexpr std::uint8_t GreenOf(Pixel pixel) {
    return static_cast<std::uint8_t>(pixel >> 8);
}
constexpr std::uint8_t BlueOf(Pixel pixel) {
    return static_cast<std::uint8_t>(pixel);
}

// Skin files and settings hold colours as 0x00BBGGRR; the top byte is dropped.
constexpr Pixel FromColorRef(std::uint32_t colorRef) {
    return Rgb(static_cast<std::uint8_t>(colorRef), static_cast<std::uint8_t>(colorRef >> 8),
               static_cast<std::uint8_t>(colorRef >> 16));
}
constexpr std::uint32_t ToColorRef(Pixel pixel) {
    return (std::uint32_t{BlueOf(pixel)} << 16) | (std::uint32_t{GreenOf(pixel)} << 8) |
           RedOf(pixel);
}

// The transparent colour of skin pictures.
constexpr Pixel kMagenta = 0x00FF00FF;
// The transparent colour of glyph strips with the transparent flag.
constexpr Pixel kBlack = 0x00000000;
// The transparent colour of the song-information field mask.
constexpr Pixel kWhite = 0x00FFFFFF;
// What GetPixel answers outside the surface; no real pixel has a top byte.
constexpr Pixel kInvalidPixel = 0xFFFFFFFF;

} // namespace vantor::gfx
