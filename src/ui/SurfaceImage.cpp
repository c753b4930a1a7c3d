#include "ui/SurfaceImage.h"

#include <algorithm>

namespace vantor {

namespace {

QRgb Opaque(gfx::Pixel pixel) {
    return 0xFF000000u | pixel;
}

// The first column from which a row differs from the image's scanline, or
// `width` when it does not. Most rows of a presented surface are unchanged,
// so whole blocks are compared without a branch per pixel first.
int FirstChangedColumn(const gfx::Pixel* from, const QRgb* to, int width) {
    constexpr int kBlock = 8;
    int x = 0;
    for (; x + kBlock <= width; x += kBlock) {
        QRgb difference = 0;
        for (int i = 0; i < kBlock; ++i)
            difference |= Opaque(from[x + i]) ^ to[x + i];
        if (difference != 0)
            break;
    }
    while (x < width && Opaque(from[x]) == to[x])
        ++x;
    return x;
}

// The last column that differs, searched down to `first`, which does.
int LastChangedColumn(const gfx::Pixel* from, const QRgb* to, int first, int width) {
    int last = width - 1;
    while (last > first && Opaque(from[last]) == to[last])
        --last;
    return last;
}

} // namespace

QImage ToImage(const gfx::Surface& surface) {
    QImage image(surface.Width(), surface.Height(), QImage::Format_RGB32);
    for (int y = 0; y < surface.Height(); ++y) {
        const gfx::Pixel* from = surface.Row(y);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::transform(from, from + surface.Width(), to, Opaque);
    }
    return image;
}

QImage ToShapedImage(const gfx::Surface& window, const gfx::Surface& face) {
    QImage image = ToImage(window).convertToFormat(QImage::Format_ARGB32);
    const int height = std::min(face.Height(), image.height());
    const int width = std::min(face.Width(), image.width());
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (face.GetPixel(x, y) == gfx::kMagenta)
                row[x] = 0;
        }
    }
    return image;
}

QRect CopyChangedPixels(const gfx::Surface& surface, QImage& image) {
    return CopyChangedPixels(surface, image, {0, surface.Height()});
}

QRect CopyChangedPixels(const gfx::Surface& surface, QImage& image, gfx::RowRange rows) {
    const QSize size(surface.Width(), surface.Height());
    if (image.size() != size || image.format() != QImage::Format_RGB32) {
        image = ToImage(surface);
        return image.rect();
    }
    QRect changed;
    for (int y = std::max(rows.top, 0); y < std::min(rows.bottom, size.height()); ++y) {
        const gfx::Pixel* from = surface.Row(y);
        const auto* shown = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const int first = FirstChangedColumn(from, shown, size.width());
        if (first == size.width())
            continue;
        const int last = LastChangedColumn(from, shown, first, size.width());
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::transform(from + first, from + last + 1, to + first, Opaque);
        changed |= QRect(first, y, last - first + 1, 1);
    }
    return changed;
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
