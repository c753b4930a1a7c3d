#include "ui/DeviceScaling.h"

#include <array>
#include <cmath>

namespace vantor {

namespace {

constexpr qreal kTolerance = 1e-6;
// Ratios of a few eighths (1.25, 1.5, 1.75, 2.5...) meet whole device pixels
// every few logical ones; others are scaled whole.
constexpr int kLongestPeriod = 8;

// How many logical pixels apart the edges lie that fall on whole device
// pixels; 0 when none do within kLongestPeriod.
int Period(qreal ratio) {
    for (int period = 1; period <= kLongestPeriod; ++period) {
        if (IsWhole(period * ratio))
            return period;
    }
    return 0;
}

int RoundDown(int value, int period) {
    return value / period * period;
}

int RoundUp(int value, int period) {
    return (value + period - 1) / period * period;
}

// Where each pixel of `block` lies inside `shape`.
QImage InsideMask(const QRegion& shape, const QRect& block) {
    QImage inside(block.size(), QImage::Format_Grayscale8);
    inside.fill(0);
    for (const QRect& rect : shape.intersected(block)) {
        const QRect local = rect.translated(-block.topLeft());
        for (int y = local.top(); y <= local.bottom(); ++y)
            std::fill_n(inside.scanLine(y) + local.left(), local.width(), uchar{1});
    }
    return inside;
}

// The block of the picture, each pixel outside the shape next to one inside
// painted in that one's colour. The border of one pixel around the block
// takes part so that the block's own edge pixels see their neighbours.
QImage BledBlock(const QImage& picture, const QRegion& shape, const QRect& block) {
    const QRect around = block.adjusted(-1, -1, 1, 1).intersected(picture.rect());
    QImage bled = picture.copy(around);
    const QImage inside = InsideMask(shape, around);
    constexpr std::array<QPoint, 8> kNeighbours{
        {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};
    for (int y = 0; y < around.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bled.scanLine(y));
        for (int x = 0; x < around.width(); ++x) {
            if (inside.constScanLine(y)[x] != 0)
                continue;
            for (const QPoint& step : kNeighbours) {
                const QPoint next(x + step.x(), y + step.y());
                if (!bled.rect().contains(next) || inside.constScanLine(next.y())[next.x()] == 0)
                    continue;
                row[x] = reinterpret_cast<const QRgb*>(
                    picture.constScanLine(around.top() + next.y()))[around.left() + next.x()];
                break;
            }
        }
    }
    return bled.copy(block.translated(-around.topLeft()));
}

} // namespace

bool IsWhole(qreal value) {
    return std::abs(value - std::round(value)) < kTolerance;
}

int DeviceEdge(int logicalEdge, qreal ratio) {
    return qRound(logicalEdge * ratio);
}

QRect ToDeviceRect(const QRect& logical, qreal ratio) {
    const int left = DeviceEdge(logical.left(), ratio);
    const int top = DeviceEdge(logical.top(), ratio);
    return {left, top, DeviceEdge(logical.left() + logical.width(), ratio) - left,
            DeviceEdge(logical.top() + logical.height(), ratio) - top};
}

QRect ScalableBlock(const QRect& changed, qreal ratio, const QRect& bounds) {
    const int period = Period(ratio);
    if (period == 0)
        return bounds;
    const QRect block(QPoint(RoundDown(changed.left(), period), RoundDown(changed.top(), period)),
                      QPoint(RoundUp(changed.right() + 1, period) - 1,
                             RoundUp(changed.bottom() + 1, period) - 1));
    return block.intersected(bounds);
}

QRect DeviceChangeArea(const QRect& changed, qreal ratio, const QRect& bounds) {
    if (IsWhole(ratio))
        return changed;
    return ScalableBlock(changed.adjusted(-1, -1, 1, 1), ratio, bounds);
}

QImage ScaleToDevice(const QImage& picture, const QRegion& shape, const QRect& block, qreal ratio) {
    const QSize device = ToDeviceRect(block, ratio).size();
    if (IsWhole(ratio))
        return picture.copy(block).scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Repeating pixels up to the next whole ratio keeps the pixel art's
    // edges; averaging down from there softens each edge by at most one
    // device pixel, where plain repetition would make some pixels of a row
    // wider than others.
    const QImage block1x = shape.isEmpty() ? picture.copy(block) : BledBlock(picture, shape, block);
    const int whole = static_cast<int>(std::ceil(ratio));
    return block1x.scaled(block1x.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace vantor
