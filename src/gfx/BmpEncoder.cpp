#include "gfx/BmpEncoder.h"

#include <cstddef>

namespace vantor::gfx {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFFu);
    Put16(out, value >> 16);
}

} // namespace

std::vector<std::uint8_t> EncodeBmp24(const Surface& surface) {
    const std::size_t stride =
        (static_cast<std::size_t>(surface.Width()) * 3 + 3) & ~std::size_t{3};
    const std::size_t imageSize = stride * static_cast<std::size_t>(surface.Height());
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(offset + imageSize));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(surface.Width()));
    Put32(out, static_cast<std::uint32_t>(surface.Height()));
    Put16(out, 1);  // planes
    Put16(out, 24); // bits per pixel
    Put32(out, 0);  // uncompressed
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 2835); // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = surface.Height() - 1; y >= 0; --y) {
        const Pixel* row = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            out.push_back(BlueOf(row[x]));
            out.push_back(GreenOf(row[x]));
            out.push_back(RedOf(row[x]));
        }
        out.resize(out.size() + stride - static_cast<std::size_t>(surface.Width()) * 3, 0);
    }
    return out;
}

} // namespace vantor::gfx
