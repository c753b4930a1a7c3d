#include "ui/SurfaceImage.h"

#include <algorithm>

namespace vantor {

QImage ToImage(const gfx::Surface& surface) {
    QImage image(surface.Width(), surface.Height(), QImage::Format_RGB32);
    for (int y = 0; y < surface.Height(); ++y) {
        const gfx::Pixel* from = surface.Row(y);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::transform(from, from + surface.Width(), to,
                       [](gfx::Pixel pixel) { return QRgb{0xFF000000u | pixel}; });
    }
    return image;
}

gfx::Surface FromImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    gfx::Surface surface(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::transform(from, from + rgb.width(), surface.Row(y),
                       [](QRgb pixel) { return gfx::Pixel{pixel & 0x00FFFFFFu}; });
    }
    return surface;
}

QRegion ToQRegion(const gfx::Region& region) {
    QRegion result;
    for (const auto& rect : region.Rects())
        result += QRect(rect.left, rect.top, rect.Width(), rect.Height());
    return result;
}

} // namespace vantor
