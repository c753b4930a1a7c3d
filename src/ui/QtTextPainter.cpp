#include "ui/QtTextPainter.h"

namespace vantor {

QFont ToQFont(const TextFont& font, bool antialiased) {
    QFont result(QString::fromStdString(font.name));
    result.setPointSize(font.size > 0 ? font.size : 1);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setStyleStrategy(antialiased ? QFont::PreferAntialias : QFont::NoAntialias);
    return result;
}

const QtFontFace& QtTextPainter::Face(const TextFont& font) {
    return m_faces.GetOrMake(font, [&font] { return QtFontFace(font); });
}

TextSize QtTextPainter::MeasureText(const TextFont& font, const std::string& text) {
    const QFontMetrics& metrics = Face(font).metrics;
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void QtTextPainter::DrawText(gfx::Surface& surface, gfx::Point at, const gfx::Rect& clip,
                             const TextFont& font, gfx::Pixel colour, const std::string& text) {
    const gfx::Rect area = gfx::Intersect(clip, surface.Bounds());
    if (area.IsEmpty() || text.empty())
        return;
    TextStencilKey key{font, text, area.Offset(-at.x, -at.y)};
    const TextStencil& stencil = m_stencils.GetOrMake(key, [this, &key] {
        return RenderStencil(Face(key.font).qfont, QString::fromStdString(key.text), key.area);
    });
    const auto paint = [&] { PaintStencil(stencil, surface, area, colour); };
    if (m_leavingMarks)
        gfx::DrawMarkedText(surface, {font, colour, at, area, text}, paint);
    else
        paint();
}

int QtTextMeasurer::TextWidth(std::string_view text) const {
    return m_face.metrics.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace vantor
