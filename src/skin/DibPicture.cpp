#include "skin/DibPicture.h"

#include "pixwell.h"

#include <cstdlib>
#include <cstring>

namespace vantor {

namespace {

struct DibLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::size_t stride = 0;
};

// The layout the header describes, if it is one this player draws.
bool ReadLayout(const PixwellBitmapInfoHeader& header, DibLayout& layout) {
    if (header.size < sizeof header || header.planes != 1 || header.compression != 0 ||
        (header.bitCount != 24 && header.bitCount != 8))
        return false;
    const long long height = header.height;
    if (header.width <= 0 || height == 0 || height < -0x7FFFFFFFLL)
        return false;
    layout.width = header.width;
    layout.height = static_cast<int>(std::llabs(height));
    layout.topDown = height < 0;
    layout.bitsPerPixel = header.bitCount;
    const std::size_t rowBytes = std::size_t{static_cast<std::size_t>(layout.width)} *
                                 static_cast<std::size_t>(header.bitCount / 8);
    layout.stride = (rowBytes + 3) & ~std::size_t{3};
    return true;
}

gfx::Pixel PaletteColour(std::span<const std::uint8_t> bitmapInfo, std::uint8_t index) {
    const std::uint8_t* entry = bitmapInfo.data() + sizeof(PixwellBitmapInfoHeader) + index * 4u;
    return gfx::Rgb(entry[2], entry[1], entry[0]);
}

void ConvertRow(const std::uint8_t* in, gfx::Pixel* out, const DibLayout& layout,
                std::span<const std::uint8_t> bitmapInfo) {
    for (int x = 0; x < layout.width; ++x) {
        if (layout.bitsPerPixel == 24) {
            const std::uint8_t* p = in + x * 3;
            out[x] = gfx::Rgb(p[2], p[1], p[0]);
        } else {
            out[x] = PaletteColour(bitmapInfo, in[x]);
        }
    }
}

} // namespace

Picture DibToPicture(std::span<const std::uint8_t> pixels,
                     std::span<const std::uint8_t> bitmapInfo) {
    if (bitmapInfo.size() < PIXWELL_BITMAP_INFO_SIZE)
        return nullptr;
    PixwellBitmapInfoHeader header;
    std::memcpy(&header, bitmapInfo.data(), sizeof header);
    DibLayout layout;
    if (!ReadLayout(header, layout))
        return nullptr;
    if (pixels.size() / layout.stride < static_cast<std::size_t>(layout.height))
        return nullptr;
    auto picture = std::make_shared<gfx::Surface>(layout.width, layout.height);
    for (int y = 0; y < layout.height; ++y) {
        const int sourceRow = layout.topDown ? y : layout.height - 1 - y;
        ConvertRow(pixels.data() + static_cast<std::size_t>(sourceRow) * layout.stride,
                   picture->Row(y), layout, bitmapInfo);
    }
    return picture;
}

} // namespace vantor
