#include "ui/QtTextPainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace vantor {

QFont ToQFont(const TextFont& font) {
    QFont qfont(QString::fromStdString(font.name));
    qfont.setPointSize(std::max(1, font.size));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
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
    // Qt paints into the surface's own memory; RGB32 shares its layout.
    QImage view(reinterpret_cast<uchar*>(surface.Pixels().data()), surface.Width(),
                surface.Height(), surface.Width() * 4, QImage::Format_RGB32);
    {
        QPainter painter(&view);
        painter.setClipRect(QRect(area.left, area.top, area.Width(), area.Height()));
        painter.setFont(ToQFont(font));
        painter.setPen(QColor(gfx::RedOf(colour), gfx::GreenOf(colour), gfx::BlueOf(colour)));
        const QFontMetrics metrics(painter.font());
        painter.drawText(at.x, at.y + metrics.ascent(), QString::fromStdString(text));
    }
    // Painting sets the unused top byte; the raster layer keeps it clear.
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
