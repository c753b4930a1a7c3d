#include "ui/SharpText.h"

#include "ui/DeviceScaling.h"
#include "ui/QtTextPainter.h"
#include "ui/SurfaceImage.h"

#include <QFontMetrics>
#include <QString>

#include <cstddef>

namespace vantor {

bool ShowsMark(const QImage& picture, const gfx::TextMark& mark) {
    const QRect area = ToQRect(mark.area);
    if (!picture.rect().contains(area) || picture.format() != QImage::Format_RGB32)
        return false;
    const gfx::Pixel* drawn = mark.drawn.data();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y)) + area.left();
        for (int x = 0; x < area.width(); ++x, ++drawn) {
            if ((row[x] & 0x00FFFFFFu) != *drawn)
                return false;
        }
    }
    return true;
}

void PasteUnder(QImage& picture, const gfx::TextMark& mark, const QRect& limit) {
    const QRect area = ToQRect(mark.area);
    const QRect part = area & limit & picture.rect();
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const gfx::Pixel* under = mark.under.data() +
                                  static_cast<std::ptrdiff_t>(y - area.top()) * area.width() +
                                  (part.left() - area.left());
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y)) + part.left();
        for (int x = 0; x < part.width(); ++x)
            row[x] = 0xFF000000u | under[x];
    }
}

void DrawSharpText(QPainter& painter, const gfx::TextMark& mark, qreal ratio,
                   const QRect& deviceLimit) {
    const gfx::Point anchor = mark.anchor;
    for (const gfx::TextLayer& layer : *mark.layers) {
        const gfx::Rect clip = gfx::Intersect(layer.clip.Offset(anchor.x, anchor.y), mark.area);
        const QRect deviceClip = ToDeviceRect(ToQRect(clip), ratio) & deviceLimit;
        if (deviceClip.isEmpty())
            continue;
        painter.save();
        painter.resetTransform();
        painter.setClipRect(deviceClip);
        painter.scale(ratio, ratio);
        painter.setFont(ToQFont(layer.font, true));
        painter.setPen(QColor::fromRgb(layer.colour));
        // The same baseline as the 1× text, whose top-left is the layer's.
        const int ascent = QFontMetrics(painter.font()).ascent();
        painter.drawText(QPointF(layer.at.x + anchor.x, layer.at.y + anchor.y + ascent),
                         QString::fromStdString(layer.text));
        painter.restore();
    }
}

} // namespace vantor
