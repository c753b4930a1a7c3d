#include "ShippedPictures.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "ui/SurfaceImage.h"

#include <pixwell.h>

#include <QImage>
#include <QString>

namespace vantor::test {

namespace {

// A decoded DIB: rows top first (Pixwell writes a negative height), padded to
// four bytes, 24-bit blue-green-red or 8-bit palette indices.
Picture FromDib(const PixwellBitmapInfo& info, const std::vector<unsigned char>& bits) {
    const int width = info.header.width;
    const int height = -info.header.height;
    const int bytesPerPixel = info.header.bitCount / 8;
    const auto stride = static_cast<std::size_t>((width * bytesPerPixel + 3) & ~3);
    if (width <= 0 || height <= 0 || (bytesPerPixel != 1 && bytesPerPixel != 3) ||
        bits.size() < stride * static_cast<std::size_t>(height))
        return nullptr;
    auto surface = std::make_shared<gfx::Surface>(width, height);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = bits.data() + stride * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x) {
            if (bytesPerPixel == 3) {
                const unsigned char* p = row + 3 * x;
                surface->SetPixel(x, y, gfx::Rgb(p[2], p[1], p[0]));
            } else {
                const PixwellPaletteEntry& entry = info.palette[row[x]];
                surface->SetPixel(x, y, gfx::Rgb(entry.red, entry.green, entry.blue));
            }
        }
    }
    return surface;
}

Picture LoadPng(const std::string& path) {
    PixwellBitmapInfo info{};
    std::int32_t size = 0;
    if (exLoadPNG(path.c_str(), &info, &size) != 1 || size <= 0)
        return nullptr;
    std::vector<unsigned char> bits(static_cast<std::size_t>(size));
    if (exGetPNG(bits.data()) != 1)
        return nullptr;
    return FromDib(info, bits);
}

Picture LoadOther(const std::string& path) {
    const QImage image(QString::fromStdString(path));
    if (image.isNull())
        return nullptr;
    return std::make_shared<gfx::Surface>(FromImage(image));
}

} // namespace

Picture ShippedPictures::LoadPicture(const std::string& path) {
    const bool png = EqualsIgnoreCase(ExtensionOf(path), "png");
    Picture picture = png ? LoadPng(path) : LoadOther(path);
    (picture ? loaded : refused).push_back(path);
    return picture;
}

} // namespace vantor::test
