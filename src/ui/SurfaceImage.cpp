#include "ui/SurfaceImage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vantor {

namespace {

QRgb Opaque(gfx::Pixel pixel) {
    return 0xFF000000u | pixel;
}

constexpr int kBlock = 8;

// Whether the block of kBlock pixels at `x` differs, without a branch per
// pixel and two pixels to a word.
bool BlockDiffers(const gfx::Pixel* from, const QRgb* to, int x) {
    static_assert(sizeof(gfx::Pixel) == 4 && sizeof(QRgb) == 4);
    constexpr std::uint64_t kOpaquePair = 0xFF000000FF000000u;
    std::uint64_t difference = 0;
    for (int i = 0; i < kBlock; i += 2) {
        std::uint64_t surfacePair = 0;
        std::uint64_t imagePair = 0;
        std::memcpy(&surfacePair, from + x + i, sizeof surfacePair);
        std::memcpy(&imagePair, to + x + i, sizeof imagePair);
        difference |= (surfacePair | kOpaquePair) ^ imagePair;
    }
    return difference != 0;
}

// The first column from which a row differs from the image's scanline, or
// `width` when it does not. Most rows of a presented surface are unchanged,
// so whole blocks are compared first.
int FirstChangedColumn(const gfx::Pixel* from, const QRgb* to, int width) {
    int x = 0;
    while (x + kBlock <= width && !BlockDiffers(from, to, x))
        x += kBlock;
    while (x < width && Opaque(from[x]) == to[x])
        ++x;
    return x;
}

// The last column that differs, searched down to `first`, which does. A
// changed field seldom reaches the right end of the row, so the search
// skips unchanged blocks too.
int LastChangedColumn(const gfx::Pixel* from, const QRgb* to, int first, int width) {
    int end = width;
    while (end - kBlock > first && !BlockDiffers(from, to, end - kBlock))
        end -= kBlock;
    int last = end - 1;
    while (last > first && Opaque(from[last]) == to[last])
        --last;
    return last;
}

// Gathers the changed rows into a few rectangles: rows close together and
// overlapping share one, while fields far apart (the song line and the time,
// the analyzer and the seek bar) keep their own, so that the unchanged face
// between them is not sent to the display.
class ChangedBands {
public:
    void Add(const QRect& row) {
        if (!m_band.isNull() && row.top() - m_band.bottom() <= kRowGap &&
            row.left() <= m_band.right() + kColumnGap &&
            row.right() >= m_band.left() - kColumnGap) {
            m_band |= row;
            return;
        }
        if (!m_band.isNull())
            m_region += m_band;
        m_band = row;
    }
    QRegion Take() {
        if (!m_band.isNull())
            m_region += m_band;
        return m_region;
    }

private:
    static constexpr int kRowGap = 3;
    static constexpr int kColumnGap = 16;
    QRect m_band;
    QRegion m_region;
};

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

QRegion CopyChangedPixels(const gfx::Surface& surface, QImage& image) {
    return CopyChangedPixels(surface, image, gfx::WrittenArea(surface.Bounds()));
}

QRegion CopyChangedPixels(const gfx::Surface& surface, QImage& image,
                          const gfx::WrittenArea& written) {
    const QSize size(surface.Width(), surface.Height());
    if (image.size() != size || image.format() != QImage::Format_RGB32) {
        image = ToImage(surface);
        return image.rect();
    }
    const QRegion changed = ChangedPixels(surface, image, written);
    CopyPixels(surface, changed, image);
    return changed;
}

QRegion ChangedPixels(const gfx::Surface& surface, const QImage& image,
                      const gfx::WrittenArea& written) {
    ChangedBands bands;
    for (const gfx::Rect& rect : written.Rects()) {
        const gfx::Rect area = gfx::Intersect(rect, surface.Bounds());
        const int width = area.Width();
        for (int y = area.top; y < area.bottom; ++y) {
            const gfx::Pixel* from = surface.Row(y) + area.left;
            const auto* shown = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + area.left;
            const int first = FirstChangedColumn(from, shown, width);
            if (first == width)
                continue;
            const int last = LastChangedColumn(from, shown, first, width);
            bands.Add(QRect(area.left + first, y, last - first + 1, 1));
        }
    }
    return bands.Take();
}

void CopyPixels(const gfx::Surface& surface, const QRegion& area, QImage& image) {
    for (const QRect& rect : area) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const gfx::Pixel* from = surface.Row(y) + rect.left();
            auto* to = reinterpret_cast<QRgb*>(image.scanLine(y)) + rect.left();
            std::transform(from, from + rect.width(), to, Opaque);
        }
    }
}

void CopyRect(const QImage& from, const QRect& area, QImage& to, QPoint at) {
    for (int row = 0; row < area.height(); ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(from.constScanLine(area.top() + row));
        auto* target = reinterpret_cast<QRgb*>(to.scanLine(at.y() + row));
        std::copy_n(source + area.left(), area.width(), target + at.x());
    }
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
        result += ToQRect(rect);
    return result;
}

QRect ToQRect(const gfx::Rect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

} // namespace vantor
