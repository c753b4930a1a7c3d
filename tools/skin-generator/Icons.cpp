#include "Icons.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skingen {

namespace {

QPolygonF Triangle(double x1, double y1, double x2, double y2, double x3, double y3) {
    return QPolygonF({QPointF(x1, y1), QPointF(x2, y2), QPointF(x3, y3)});
}

void Fill(QPainter& painter, const QPolygonF& polygon) {
    painter.drawPolygon(polygon);
}

void Arrow(QPainter& painter, double x, double y, bool up) {
    const double dy = up ? -4.5 : 4.5;
    Fill(painter, Triangle(x - 5, y, x + 5, y, x, y + dy));
}

void Lines(QPainter& painter, double left, double right, std::initializer_list<double> ys) {
    for (double y : ys)
        painter.drawRect(QRectF(left, y, right - left, 1.6));
}

void DrawGear(QPainter& painter) {
    QPainterPath gear;
    for (int tooth = 0; tooth < 8; ++tooth) {
        const double angle = tooth * std::numbers::pi / 4;
        const QPointF centre(8 + std::cos(angle) * 5.6, 8 + std::sin(angle) * 5.6);
        gear.addEllipse(centre, 1.6, 1.6);
    }
    gear.addEllipse(QPointF(8, 8), 5.0, 5.0);
    QPainterPath hole;
    hole.addEllipse(QPointF(8, 8), 1.9, 1.9);
    painter.drawPath(gear.simplified().subtracted(hole));
}

void DrawLoop(QPainter& painter, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.7));
    painter.drawArc(QRectF(3, 4, 10, 8), 30 * 16, 300 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    Fill(painter, Triangle(11.2, 2.2, 14.5, 6.4, 10.0, 7.2));
}

void DrawRandom(QPainter& painter, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.6));
    QPainterPath down;
    down.moveTo(2, 4.5);
    down.cubicTo(7, 4.5, 8, 11.5, 12, 11.5);
    QPainterPath up;
    up.moveTo(2, 11.5);
    up.cubicTo(7, 11.5, 8, 4.5, 12, 4.5);
    painter.drawPath(down);
    painter.drawPath(up);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    Fill(painter, Triangle(11.5, 2, 15, 4.5, 11.5, 7));
    Fill(painter, Triangle(11.5, 9, 15, 11.5, 11.5, 14));
}

void DrawMix(QPainter& painter, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.6));
    painter.drawEllipse(QRectF(1.8, 4.5, 7.4, 7.4));
    painter.drawEllipse(QRectF(6.8, 4.5, 7.4, 7.4));
}

void DrawLink(QPainter& painter, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.7));
    painter.drawRoundedRect(QRectF(1.5, 5, 7.5, 6), 3, 3);
    painter.drawRoundedRect(QRectF(7, 5, 7.5, 6), 3, 3);
}

void DrawChangeSkin(QPainter& painter, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.5));
    painter.drawRoundedRect(QRectF(1.8, 1.8, 8.5, 8.5), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(6, 6, 8.5, 8.5), 2, 2);
}

void DrawFolder(QPainter& painter) {
    QPainterPath folder;
    folder.moveTo(2, 4);
    folder.lineTo(6.5, 4);
    folder.lineTo(8, 5.5);
    folder.lineTo(14, 5.5);
    folder.lineTo(14, 13);
    folder.lineTo(2, 13);
    folder.closeSubpath();
    painter.drawPath(folder);
}

void DrawDisk(QPainter& painter, const QColor& colour) {
    painter.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 1.5, 1.5);
    painter.setBrush(colour.darker(400));
    painter.drawRect(QRectF(5, 3.5, 6, 3.5));
    painter.drawRect(QRectF(4.5, 9, 7, 3.5));
}

void DrawAbout(QPainter& painter) {
    painter.drawEllipse(QPointF(8, 3.8), 1.6, 1.6);
    painter.drawRect(QRectF(6.9, 6.5, 2.2, 7));
}

void DrawPlaybackIcon(QPainter& painter, Icon icon) {
    switch (icon) {
    case Icon::Stop:
        painter.drawRect(QRectF(3.5, 3.5, 9, 9));
        break;
    case Icon::Pause:
        painter.drawRect(QRectF(4, 3, 3, 10));
        painter.drawRect(QRectF(9, 3, 3, 10));
        break;
    case Icon::Play:
        Fill(painter, Triangle(4.5, 2.5, 13.5, 8, 4.5, 13.5));
        break;
    case Icon::Next:
        Fill(painter, Triangle(2, 3.5, 8, 8, 2, 12.5));
        Fill(painter, Triangle(7.5, 3.5, 13.5, 8, 7.5, 12.5));
        painter.drawRect(QRectF(13, 3.5, 1.8, 9));
        break;
    case Icon::Previous:
        Fill(painter, Triangle(14, 3.5, 8, 8, 14, 12.5));
        Fill(painter, Triangle(8.5, 3.5, 2.5, 8, 8.5, 12.5));
        painter.drawRect(QRectF(1.2, 3.5, 1.8, 9));
        break;
    case Icon::Open:
        Fill(painter, Triangle(2.5, 9, 8, 3, 13.5, 9));
        painter.drawRect(QRectF(2.5, 10.8, 11, 2.2));
        break;
    default:
        break;
    }
}

void DrawListIcon(QPainter& painter, Icon icon) {
    switch (icon) {
    case Icon::PlayList:
        Lines(painter, 5, 14, {3.5, 7.2, 10.9});
        Lines(painter, 2, 3.6, {3.5, 7.2, 10.9});
        break;
    case Icon::Add:
        painter.drawRect(QRectF(7, 2.5, 2, 11));
        painter.drawRect(QRectF(2.5, 7, 11, 2));
        break;
    case Icon::Delete:
        painter.drawRect(QRectF(2.5, 7, 11, 2));
        break;
    case Icon::Clear:
        Lines(painter, 2, 9, {3.5, 7.2, 10.9});
        painter.save();
        painter.translate(12, 10);
        painter.rotate(45);
        painter.drawRect(QRectF(-3.5, -0.8, 7, 1.6));
        painter.drawRect(QRectF(-0.8, -3.5, 1.6, 7));
        painter.restore();
        break;
    case Icon::Up:
        Arrow(painter, 8, 10.2, true);
        break;
    case Icon::Down:
        Arrow(painter, 8, 5.8, false);
        break;
    case Icon::MoveUp:
        Arrow(painter, 8, 8, true);
        painter.drawRect(QRectF(3, 10.5, 10, 1.8));
        break;
    case Icon::MoveDown:
        painter.drawRect(QRectF(3, 3.7, 10, 1.8));
        Arrow(painter, 8, 8, false);
        break;
    default:
        break;
    }
}

void DrawWindowIcon(QPainter& painter, Icon icon) {
    if (icon == Icon::Minimize) {
        painter.drawRect(QRectF(3.5, 10.5, 9, 2.2));
        return;
    }
    painter.translate(8, 8);
    painter.rotate(45);
    painter.drawRect(QRectF(-5.5, -1.1, 11, 2.2));
    painter.drawRect(QRectF(-1.1, -5.5, 2.2, 11));
}

} // namespace

void DrawIcon(QPainter& painter, Icon icon, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double scale = std::min(box.width(), box.height()) / 16.0;
    painter.translate(box.center().x() - 8 * scale, box.center().y() - 8 * scale);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    switch (icon) {
    case Icon::Close:
    case Icon::Minimize:
        DrawWindowIcon(painter, icon);
        break;
    case Icon::Stop:
    case Icon::Pause:
    case Icon::Next:
    case Icon::Previous:
    case Icon::Play:
    case Icon::Open:
        DrawPlaybackIcon(painter, icon);
        break;
    case Icon::Config:
        DrawGear(painter);
        break;
    case Icon::About:
        DrawAbout(painter);
        break;
    case Icon::Loop:
        DrawLoop(painter, colour);
        break;
    case Icon::Random:
        DrawRandom(painter, colour);
        break;
    case Icon::Mix:
        DrawMix(painter, colour);
        break;
    case Icon::ChangeSkin:
        DrawChangeSkin(painter, colour);
        break;
    case Icon::Load:
        DrawFolder(painter);
        break;
    case Icon::Save:
        DrawDisk(painter, colour);
        break;
    case Icon::Link:
        DrawLink(painter, colour);
        break;
    default:
        DrawListIcon(painter, icon);
        break;
    }
    painter.restore();
}

} // namespace skingen
