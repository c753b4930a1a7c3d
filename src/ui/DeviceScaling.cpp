#include "ui/DeviceScaling.h"

#include <algorithm>
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

// The one or two skin pixels a device pixel covers, counted from `origin`
// within `count` pixels, and the share of the first. The device pixel's
// position is taken on the whole window, so that a part scaled alone comes
// out exactly as inside the whole picture.
struct Span {
    int first = 0;
    int second = 0;
    int firstShare = 256; // of 256
};

Span SpanOf(int devicePixel, qreal ratio, int origin, int count) {
    const qreal start = devicePixel / ratio;
    const qreal end = (devicePixel + 1) / ratio;
    const int pixel = static_cast<int>(std::floor(start + kTolerance));
    const qreal firstPart = std::min(end, static_cast<qreal>(pixel + 1)) - start;
    Span span;
    span.first = std::clamp(pixel - origin, 0, count - 1);
    span.second = std::clamp(pixel + 1 - origin, 0, count - 1);
    span.firstShare = std::clamp(static_cast<int>(std::lround(firstPart * ratio * 256)), 0, 256);
    return span;
}

// `share` of 256 parts of `a`, the rest of `b`.
QRgb Mix(QRgb a, QRgb b, int share) {
    const auto channel = [share](int from, int to) {
        return (from * share + to * (256 - share) + 128) >> 8;
    };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                channel(qBlue(a), qBlue(b)));
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
    const QRect device = ToDeviceRect(block, ratio);
    if (IsWhole(ratio))
        return picture.copy(block).scaled(device.size(), Qt::IgnoreAspectRatio,
                                          Qt::FastTransformation);
    const QImage source = shape.isEmpty() ? picture.copy(block) : BledBlock(picture, shape, block);
    QImage scaled(device.size(), QImage::Format_RGB32);
    for (int y = 0; y < device.height(); ++y) {
        const Span rows = SpanOf(device.top() + y, ratio, block.top(), source.height());
        const auto* upper = reinterpret_cast<const QRgb*>(source.constScanLine(rows.first));
        const auto* lower = reinterpret_cast<const QRgb*>(source.constScanLine(rows.second));
        auto* to = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < device.width(); ++x) {
            const Span columns = SpanOf(device.left() + x, ratio, block.left(), source.width());
            to[x] = Mix(Mix(upper[columns.first], upper[columns.second], columns.firstShare),
                        Mix(lower[columns.first], lower[columns.second], columns.firstShare),
                        rows.firstShare);
        }
    }
    return scaled;
}

} // namespace vantor
