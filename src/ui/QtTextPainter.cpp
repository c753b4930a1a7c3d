#include "ui/QtTextPainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace vantor {

QFont ToQFont(const TextFont& font) {
    QFont result(QString::fromStdString(font.name));
    result.setPointSize(font.size > 0 ? font.size : 1);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setStyleStrategy(QFont::NoAntialias);
    return result;
}

TextSize QtTextPainter::MeasureText(const TextFont& font, const std::string& text) {
    const QFontMetrics metrics(ToQFont(font));
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void QtTextPainter::DrawText(gfx::Surface& surface, gfx::Point at, const gfx::Rect& clip,
                             const TextFont& font, gfx::Pixel colour, const std::string& text) {
    const gfx::Rect area = gfx::Intersect(clip, surface.Bounds());
    if (area.IsEmpty() || text.empty())
        return;
    // The surface's 0x00RRGGBB pixels are Qt's RGB32 layout; Qt sets the top
    // byte it does not use, so it is cleared again afterwards.
    QImage image(reinterpret_cast<uchar*>(surface.Row(0)), surface.Width(), surface.Height(),
                 surface.Width() * 4, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setClipRect(QRect(area.left, area.top, area.Width(), area.Height()));
        painter.setFont(ToQFont(font));
        painter.setPen(QColor::fromRgb(0xFF000000u | colour));
        const QFontMetrics metrics(painter.font());
        painter.drawText(QPoint(at.x, at.y + metrics.ascent()), QString::fromStdString(text));
    }
    for (int y = area.top; y < area.bottom; ++y) {
        gfx::Pixel* row = surface.Row(y);
        for (int x = area.left; x < area.right; ++x)
            row[x] &= 0x00FFFFFFu;
    }
}

int QtTextMeasurer::TextWidth(std::string_view text) const {
    return QFontMetrics(m_font).horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace vantor
