#include "PngTestSupport.h"

#include "support/TempDir.h"

#include <cstring>

namespace vantor::test {

PixwellBitmapInfoHeader PngDecode::Header() const {
    PixwellBitmapInfoHeader header;
    std::memcpy(&header, info.data(), sizeof header);
    return header;
}

PixwellPaletteEntry PngDecode::Palette(int index) const {
    PixwellPaletteEntry entry;
    std::memcpy(&entry, info.data() + sizeof(PixwellBitmapInfoHeader) + index * 4, 4);
    return entry;
}

PngDecode DecodePngBytes(const std::vector<std::uint8_t>& bytes) {
    TempDir dir;
    const auto path = dir.Write("picture.png", bytes);
    PngDecode decode;
    decode.loadResult = exLoadPNG(path.c_str(), decode.info.data(), &decode.pixelSize);
    if (decode.loadResult == 1) {
        decode.pixels.assign(static_cast<std::size_t>(decode.pixelSize), 0xEE);
        decode.getResult = exGetPNG(decode.pixels.data());
    }
    return decode;
}

std::vector<std::uint8_t> PatternBytes(std::size_t count, std::uint32_t seed) {
    std::vector<std::uint8_t> bytes(count);
    std::uint32_t state = seed * 2654435761u + 1;
    for (auto& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

} // namespace vantor::test
