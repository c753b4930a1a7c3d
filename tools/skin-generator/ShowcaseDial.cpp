#include "ShowcaseDial.h"

#include "Canvas.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skingen {

namespace {

constexpr double kStartDegrees = 225;
constexpr double kSweepDegrees = 270;
constexpr double kBandWidth = 7;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

QPointF Centre(const Dial& dial) {
    return QRectF(dial.field).center();
}

// A point on the ring at fraction t of the sweep, in screen coordinates.
QPointF OnRing(QPointF centre, double radius, double t) {
    const double angle = Radians(kStartDegrees - kSweepDegrees * t);
    return centre + QPointF(std::cos(angle) * radius, -std::sin(angle) * radius);
}

void DrawTicks(QPainter& painter, QPointF centre, const Dial& dial, const Theme& theme, int lit) {
    const int ticks = dial.frames - 1;
    const double width = std::max(1.5, (dial.ringOuter - dial.ringInner) / 3.5);
    for (int i = 0; i < ticks; ++i) {
        const double t = (i + 0.5) / ticks;
        const bool on = i < lit;
        // Lit ticks warm from the accent towards white as the value rises.
        const QColor colour =
            on ? QColor::fromRgbF(theme.accent.redF() + (1 - theme.accent.redF()) * t * 0.6,
                                  theme.accent.greenF(), theme.accent.blueF())
               : theme.lcdDim;
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(OnRing(centre, dial.ringInner + width / 2, t),
                         OnRing(centre, dial.ringOuter - width / 2, t));
    }
}

void DrawKnob(QPainter& painter, QPointF centre, const Dial& dial, const Theme& theme, double t) {
    const double r = dial.knobRadius;
    QRadialGradient body(centre - QPointF(r * 0.35, r * 0.45), r * 1.4);
    body.setColorAt(0, theme.buttonIcon.darker(150));
    body.setColorAt(0.45, theme.buttonTop);
    body.setColorAt(1, theme.buttonBottom.darker(130));
    painter.setPen(QPen(theme.buttonEdge, 1.5));
    painter.setBrush(body);
    painter.drawEllipse(centre, r, r);
    painter.setPen(QPen(theme.bodyHighlight, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r * 0.82, r * 0.82);
    painter.setPen(QPen(theme.accent, std::max(1.5, r / 9), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(OnRing(centre, r * 0.35, t), OnRing(centre, r * 0.78, t));
}

void DrawDial(QPainter& painter, QPointF centre, const Dial& dial, const Theme& theme, int frame) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawTicks(painter, centre, dial, theme, frame);
    DrawKnob(painter, centre, dial, theme, static_cast<double>(frame) / (dial.frames - 1));
}

QImage MapCanvas(QSize size) {
    return NewCanvas(size.width(), size.height());
}

QRgb Grey(double t) {
    const int level = static_cast<int>(std::lround(std::clamp(t, 0.0, 1.0) * 255));
    return qRgb(level, level, level);
}

} // namespace

void DrawDialOnFace(QPainter& painter, const Dial& dial, const Theme& theme) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre = Centre(dial);
    painter.setPen(QPen(theme.bodyEdge, 1.5));
    painter.setBrush(theme.lcdBack);
    painter.drawEllipse(centre, dial.ringOuter + 3, dial.ringOuter + 3);
    DrawDial(painter, centre, dial, theme, 0);
    painter.restore();
}

QImage DialFrames(const QImage& face, const Dial& dial, const Theme& theme) {
    const int size = dial.field.width();
    const QImage under = face.copy(dial.field);
    QImage strip = NewCanvas(size * dial.frames, dial.field.height());
    QPainterPath inside;
    const QPointF centre = QRectF(under.rect()).center();
    for (int frame = 0; frame < dial.frames; ++frame) {
        QImage cell = under;
        {
            QPainter painter(&cell);
            DrawDial(painter, centre, dial, theme, frame);
        }
        CutOutline(cell, [&] {
            QPainterPath ring;
            ring.addEllipse(centre, dial.ringOuter + 1, dial.ringOuter + 1);
            return ring;
        }());
        QPainter painter(&strip);
        painter.drawImage(frame * size, 0, cell);
    }
    return strip;
}

QImage DialPositionMap(const Dial& dial) {
    QImage map = MapCanvas(dial.field.size());
    const QPointF centre = QRectF(map.rect()).center();
    const double innermost = dial.knobRadius * 0.25;
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            const double dx = x + 0.5 - centre.x();
            const double dy = centre.y() - (y + 0.5);
            const double radius = std::hypot(dx, dy);
            if (radius < innermost || radius > dial.ringOuter + 3)
                continue;
            double angle = std::atan2(dy, dx) * 180 / std::numbers::pi;
            if (angle <= kStartDegrees - 360)
                angle += 360;
            const double t = (kStartDegrees - angle) / kSweepDegrees;
            if (t <= 1.0)
                map.setPixel(x, y, Grey(t));
        }
    }
    return map;
}

QPainterPath SeekBand(const QRect& field) {
    QPainterPath centreLine;
    const double left = field.left() + kBandWidth / 2 + 1;
    const double span = field.width() - kBandWidth - 2;
    const double top = field.top() + kBandWidth / 2 + 1;
    const double sag = field.height() - kBandWidth - 2;
    for (int step = 0; step <= 60; ++step) {
        const double t = step / 60.0;
        const QPointF point(left + span * t, top + sag * std::sin(std::numbers::pi * t));
        if (step == 0)
            centreLine.moveTo(point);
        else
            centreLine.lineTo(point);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(kBandWidth);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(centreLine).simplified();
}

QImage SeekBandMap(const QRect& field) {
    QImage map = MapCanvas(field.size());
    QImage band = MapCanvas(field.size());
    {
        QPainter painter(&band);
        painter.fillPath(SeekBand(QRect(QPoint(0, 0), field.size())), Qt::white);
    }
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            if (band.pixel(x, y) == 0xFFFFFFFF)
                map.setPixel(x, y, Grey((x - 1.0) / (map.width() - 3.0)));
        }
    }
    return map;
}

} // namespace skingen
