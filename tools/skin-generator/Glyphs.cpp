#include "Glyphs.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <array>

namespace skingen {

namespace {

// Segments a to g, clockwise from the top, then the middle bar.
constexpr std::array<unsigned, 10> kDigitSegments = {0b0111111, 0b0000110, 0b1011011, 0b1001111,
                                                     0b1100110, 0b1101101, 0b1111101, 0b0000111,
                                                     0b1111111, 0b1101111};

struct SegmentBox {
    double left, top, width, height, thickness;
};

QPolygonF Horizontal(const SegmentBox& box, double y) {
    const double t = box.thickness;
    const double x1 = box.left + 1;
    const double x2 = box.left + box.width - 1;
    return QPolygonF({QPointF(x1, y), QPointF(x1 + t / 2, y - t / 2),
                      QPointF(x2 - t / 2, y - t / 2), QPointF(x2, y),
                      QPointF(x2 - t / 2, y + t / 2), QPointF(x1 + t / 2, y + t / 2)});
}

QPolygonF VerticalSegment(const SegmentBox& box, double x, double y1, double y2) {
    const double t = box.thickness;
    return QPolygonF({QPointF(x, y1 + 1), QPointF(x + t / 2, y1 + 1 + t / 2),
                      QPointF(x + t / 2, y2 - 1 - t / 2), QPointF(x, y2 - 1),
                      QPointF(x - t / 2, y2 - 1 - t / 2), QPointF(x - t / 2, y1 + 1 + t / 2)});
}

std::array<QPolygonF, 7> Segments(const SegmentBox& box) {
    const double t2 = box.thickness / 2;
    const double top = box.top + t2;
    const double middle = box.top + box.height / 2;
    const double bottom = box.top + box.height - t2;
    const double left = box.left + t2;
    const double right = box.left + box.width - t2;
    return {Horizontal(box, top),
            VerticalSegment(box, right, top, middle),
            VerticalSegment(box, right, middle, bottom),
            Horizontal(box, bottom),
            VerticalSegment(box, left, middle, bottom),
            VerticalSegment(box, left, top, middle),
            Horizontal(box, middle)};
}

void DrawDigit(QPainter& painter, const SegmentBox& box, unsigned lit, const SegmentStyle& style) {
    const auto segments = Segments(box);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const bool on = ((lit >> i) & 1U) != 0;
        if (!on && !style.unlit.isValid())
            continue;
        painter.setBrush(on ? style.lit : style.unlit);
        painter.drawPolygon(segments[i]);
    }
}

void DrawColon(QPainter& painter, const SegmentBox& box, const SegmentStyle& style) {
    const double size = box.thickness;
    const double x = box.left + box.width / 2 - size / 2;
    painter.setBrush(style.lit);
    painter.drawRect(QRectF(x, box.top + box.height * 0.28, size, size));
    painter.drawRect(QRectF(x, box.top + box.height * 0.68, size, size));
}

void DrawSlash(QPainter& painter, const SegmentBox& box, const SegmentStyle& style) {
    const double t = box.thickness * 0.8;
    const double x1 = box.left + 1;
    const double x2 = box.left + box.width - 1;
    const double y1 = box.top + box.height;
    painter.setBrush(style.lit);
    painter.drawPolygon(QPolygonF(
        {QPointF(x1, y1), QPointF(x1 + t, y1), QPointF(x2, box.top), QPointF(x2 - t, box.top)}));
}

} // namespace

QImage TimeFontStrip(const SegmentStyle& style) {
    QImage strip(style.cellWidth * kTimeFontCells, style.cellHeight, QImage::Format_RGB32);
    strip.fill(style.back);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing, style.smooth);
    painter.setPen(Qt::NoPen);
    const double thickness = std::max(2.0, style.cellWidth / 4.5);
    for (int cell = 0; cell < 12; ++cell) {
        const SegmentBox box{cell * style.cellWidth + 1.0, 1.5, style.cellWidth - 3.0,
                             style.cellHeight - 3.0, thickness};
        painter.save();
        // A slight forward slant, as on the displays this imitates.
        painter.translate(box.left + box.width / 2, box.top + box.height / 2);
        painter.shear(-0.08, 0);
        painter.translate(-(box.left + box.width / 2), -(box.top + box.height / 2));
        if (cell < 10)
            DrawDigit(painter, box, kDigitSegments[static_cast<std::size_t>(cell)], style);
        else if (cell == 10)
            DrawColon(painter, box, style);
        else
            DrawSlash(painter, box, style);
        painter.restore();
    }
    return strip;
}

QImage FontSheet(const SheetStyle& style) {
    QImage sheet(style.cellWidth * kSheetColumns, style.cellHeight * kSheetRows,
                 QImage::Format_RGB32);
    sheet.fill(style.back);
    QPainter painter(&sheet);
    QFont font(style.family);
    font.setPixelSize(style.pixelSize);
    font.setBold(style.bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(style.smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(style.ink);
    const QFontMetrics metrics(font);
    const int baseline = (style.cellHeight + metrics.ascent() - metrics.descent()) / 2;
    for (int code = kSheetFirstCode + 1; code < 127; ++code) {
        const int index = code - kSheetFirstCode;
        const QString glyph(QChar(static_cast<char16_t>(code)));
        const int x = (index % kSheetColumns) * style.cellWidth +
                      (style.cellWidth - metrics.horizontalAdvance(glyph)) / 2;
        painter.drawText(x, (index / kSheetColumns) * style.cellHeight + baseline, glyph);
    }
    return sheet;
}

} // namespace skingen
