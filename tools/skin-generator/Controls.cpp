#include "Controls.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

namespace skingen {

namespace {

QLinearGradient Vertical(const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

void DrawButtonBase(QPainter& painter, const QRectF& box, const Theme& theme, Press press,
                    ButtonShape shape) {
    const bool down = press == Press::Down;
    const QRectF inner = box.adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = shape == ButtonShape::Round ? inner.width() / 2 : 4;
    painter.setPen(QPen(theme.buttonEdge, 1));
    painter.setBrush(down ? Vertical(inner, theme.pressedTop, theme.pressedBottom)
                          : Vertical(inner, theme.buttonTop, theme.buttonBottom));
    painter.drawRoundedRect(inner, radius, radius);
    // A light rim on the upper edge when raised, a shadow when pressed in.
    const QRectF rim = inner.adjusted(1, 1, -1, -1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(down ? theme.buttonEdge : theme.bodyHighlight, 1));
    painter.drawArc(rim, 30 * 16, 120 * 16);
    if (shape == ButtonShape::Rounded)
        painter.drawLine(rim.topLeft() + QPointF(radius, 0), rim.topRight() - QPointF(radius, 0));
}

} // namespace

QPainterPath RoundedRectPath(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void DrawBody(QPainter& painter, const QPainterPath& shape, const Theme& theme) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF bounds = shape.boundingRect();
    painter.fillPath(shape, Vertical(bounds, theme.bodyTop, theme.bodyBottom));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(theme.bodyHighlight, 1.2));
    painter.drawPath(shape.translated(0, 1.2).intersected(shape));
    painter.setPen(QPen(theme.bodyEdge, 2.0));
    painter.drawPath(shape);
    painter.restore();
}

void DrawButton(QPainter& painter, const QRect& rect, Icon icon, const Theme& theme, Press press,
                ButtonShape shape) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(rect);
    DrawButtonBase(painter, box, theme, press, shape);
    const double inset = std::max(2.0, box.height() * 0.17);
    const QRectF iconBox = box.adjusted(inset, inset, -inset, -inset);
    const bool down = press == Press::Down;
    DrawIcon(painter, icon, iconBox.translated(down ? 0.5 : 0, down ? 1 : 0),
             down ? theme.pressedIcon : theme.buttonIcon);
    painter.restore();
}

void DrawToggle(QPainter& painter, const QRect& rect, Icon icon, const Theme& theme, Press press) {
    const QRect iconPart = rect.adjusted(0, 0, -7, 0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawButtonBase(painter, QRectF(rect), theme, press, ButtonShape::Rounded);
    const bool down = press == Press::Down;
    const double inset = std::max(2.5, rect.height() * 0.18);
    DrawIcon(painter, icon, QRectF(iconPart).adjusted(inset, inset, -inset + 2, -inset),
             down ? theme.pressedIcon : theme.buttonIcon);
    const QPointF led(rect.right() - 4.5, rect.center().y() + 0.5);
    if (down) {
        QRadialGradient glow(led, 4);
        glow.setColorAt(0, theme.accent.lighter(140));
        glow.setColorAt(1, Qt::transparent);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(led, 4, 4);
    }
    painter.setPen(QPen(theme.buttonEdge, 0.8));
    painter.setBrush(down ? theme.accent : theme.lcdDim);
    painter.drawEllipse(led, 1.8, 1.8);
    painter.restore();
}

void DrawDisplay(QPainter& painter, const QRect& rect, const Theme& theme) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(theme.bodyHighlight, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.translated(0, 1), 5, 5);
    painter.setPen(QPen(theme.lcdEdge, 1.5));
    painter.setBrush(theme.lcdBack);
    painter.drawRoundedRect(box, 5, 5);
    painter.restore();
}

void DrawLamp(QPainter& painter, const QRect& rect, const QString& text, const Theme& theme,
              Press lit) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const bool on = lit == Press::Down;
    painter.setPen(QPen(on ? theme.accent : theme.lcdDim, 1));
    painter.setBrush(on ? theme.accent.darker(260) : theme.lcdBack);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QFont font(theme.labelFont);
    font.setPixelSize(rect.height() - 4);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(on ? theme.accent.lighter(130) : theme.lcdDim);
    painter.drawText(rect, Qt::AlignCenter, text);
    painter.restore();
}

void DrawLabel(QPainter& painter, const QRect& rect, const QString& text, const Theme& theme,
               int pixelSize, Qt::Alignment align) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QFont font(theme.labelFont);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, pixelSize / 6.0);
    painter.setFont(font);
    painter.setPen(theme.label);
    painter.drawText(rect, static_cast<int>(align), text);
    painter.restore();
}

void DrawGroove(QPainter& painter, const QRect& rect, const Theme& theme) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const bool vertical = rect.height() > rect.width();
    const QRectF groove =
        vertical ? QRectF(rect.center().x() - 1.5, rect.top() + 1, 4, rect.height() - 2)
                 : QRectF(rect.left() + 1, rect.center().y() - 1.5, rect.width() - 2, 4);
    painter.setPen(QPen(theme.bodyHighlight, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(groove.translated(0, 1), 2, 2);
    painter.setPen(QPen(theme.lcdEdge, 1));
    painter.setBrush(theme.lcdBack);
    painter.drawRoundedRect(groove, 2, 2);
    painter.restore();
}

void DrawSliderKnob(QPainter& painter, const QRect& rect, const Theme& theme, Press press) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const bool down = press == Press::Down;
    const QRectF box = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(theme.buttonEdge, 1));
    painter.setBrush(down ? Vertical(box, theme.accent.lighter(120), theme.accent.darker(130))
                          : Vertical(box, theme.buttonIcon, theme.buttonTop));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(QPen(down ? theme.accent.darker(200) : theme.buttonEdge, 1));
    const double middle = box.center().x();
    painter.drawLine(QPointF(middle, box.top() + 2.5), QPointF(middle, box.bottom() - 2.5));
    painter.restore();
}

} // namespace skingen
