#include "ui/TextStencil.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace vantor {

namespace {

void CollectRuns(const QImage& image, std::vector<TextStencil::Run>& runs) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const auto* end = row + image.width();
        const auto covered = [](QRgb pixel) { return qAlpha(pixel) != 0; };
        for (const QRgb* at = std::find_if(row, end, covered); at != end;) {
            const QRgb* after = std::find_if_not(at, end, covered);
            runs.push_back({y, static_cast<int>(at - row), static_cast<int>(after - row)});
            at = std::find_if(after, end, covered);
        }
    }
}

} // namespace

TextStencil RenderStencil(const QFont& font, const QString& text, const gfx::Rect& area) {
    TextStencil stencil;
    if (area.IsEmpty() || text.isEmpty())
        return stencil;
    QImage image(area.Width(), area.Height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::white);
        // The painter's font is resolved for the image, as it is for the surface.
        const int ascent = QFontMetrics(painter.font()).ascent();
        painter.drawText(QPoint(-area.left, ascent - area.top), text);
    }
    CollectRuns(image, stencil.runs);
    return stencil;
}

void PaintStencil(const TextStencil& stencil, gfx::Surface& surface, const gfx::Rect& area,
                  gfx::Pixel colour) {
    const gfx::Pixel pixel = colour & 0x00FFFFFFu;
    const gfx::AreaRows rows = surface.WriteRows(area);
    for (const TextStencil::Run& run : stencil.runs) {
        gfx::Pixel* row = rows.Row(area.top + run.y) + area.left;
        std::fill(row + run.left, row + run.right, pixel);
    }
}

} // namespace vantor
