// Any file handed to exLoadPNG; whatever decodes is also turned into a
// region, so the region builder sees real pictures too. When the first byte
// is odd, the rest gets correct chunk CRCs first, so that mutations reach
// the chunk rules, inflating and unfiltering instead of stopping at the CRC.
#include "pixwell.h"

#include <sys/mman.h>
#include <unistd.h>
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// One in-memory file for the whole run, reached through its /proc path so
// the library opens it like any other file.
struct MemoryFile {
    int fd = memfd_create("png", 0);
    std::string path = "/proc/self/fd/" + std::to_string(fd);

    bool Replace(const std::uint8_t* data, std::size_t size) const {
        return fd >= 0 && ftruncate(fd, 0) == 0 &&
               pwrite(fd, data, size, 0) == static_cast<ssize_t>(size);
    }
};

std::uint32_t BigEndian32(const std::uint8_t* b) {
    return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) |
           b[3];
}

void FixChunkCrcs(std::vector<std::uint8_t>& png) {
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = BigEndian32(&png[at]);
        if (length > png.size() - at - 12)
            return;
        const auto crc = static_cast<std::uint32_t>(crc32(0, &png[at + 4], length + 4));
        std::uint8_t* stored = &png[at + 8 + length];
        for (int i = 0; i < 4; ++i)
            stored[i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
        at += 12 + length;
    }
}

void BuildRegion(const std::uint8_t* info, const std::vector<std::uint8_t>& pixels) {
    PixwellBitmapInfoHeader header;
    std::memcpy(&header, info, sizeof header);
    if (header.bitCount != 24 || header.width > 4096 || -header.height > 4096)
        return;
    const int width = header.width;
    const int height = -header.height;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    std::vector<std::uint32_t> rgb(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &pixels[y * stride + x * 3];
            rgb[y * width + x] = (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
        }
    }
    const PixwellBitmap bitmap{width, height, width, rgb.data()};
    PixwellRect bounds;
    Pixwell_FreeRegion(CreateRgnFromPictureBox(&bitmap, &bounds));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MemoryFile file;
    if (size == 0)
        return 0;
    std::vector<std::uint8_t> png(data + 1, data + size);
    if (data[0] & 1)
        FixChunkCrcs(png);
    if (!file.Replace(png.data(), png.size()))
        return 0;
    std::uint8_t info[PIXWELL_BITMAP_INFO_SIZE];
    std::int32_t pixelSize = 0;
    if (exLoadPNG(file.path.c_str(), info, &pixelSize) != 1)
        return 0;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(pixelSize));
    if (exGetPNG(pixels.data()) == 1)
        BuildRegion(info, pixels);
    return 0;
}
