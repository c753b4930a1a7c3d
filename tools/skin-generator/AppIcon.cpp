#include "AppIcon.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace skingen {

namespace {

constexpr std::array kSizes{16, 22, 24, 32, 48, 64, 128, 256};

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

// The drawing on the SVG's 256-unit canvas.
void PaintIcon(QPainter& painter) {
    painter.setPen(QPen(QColor(0x08, 0x0a, 0x10), 6));
    painter.setBrush(Vertical(16, 240, QColor(0x33, 0x3a, 0x50), QColor(0x1a, 0x1e, 0x2a)));
    painter.drawRoundedRect(QRectF(16, 16, 224, 224), 40, 40);
    painter.setPen(QPen(QColor(0x55, 0x5f, 0x7e), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(26, 26, 204, 204), 32, 32);

    painter.setPen(QPen(QColor(0x05, 0x05, 0x08), 4));
    painter.setBrush(QColor(0x17, 0x11, 0x0a));
    painter.drawRoundedRect(QRectF(44, 48, 168, 88), 10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xb3, 0x47));
    for (const auto& bar : {QRectF(60, 96, 20, 28), QRectF(88, 72, 20, 52), QRectF(116, 60, 20, 64),
                            QRectF(144, 84, 20, 40), QRectF(172, 104, 20, 20)})
        painter.drawRect(bar);

    painter.setPen(QPen(QColor(0x0c, 0x0e, 0x16), 4));
    painter.setBrush(Vertical(150, 222, QColor(0x42, 0x4b, 0x66), QColor(0x2a, 0x30, 0x43)));
    painter.drawEllipse(QPointF(128, 186), 36, 36);
    QPainterPath play;
    play.moveTo(116, 166);
    play.lineTo(148, 186);
    play.lineTo(116, 206);
    play.closeSubpath();
    painter.fillPath(play, QColor(0xff, 0xa6, 0x2b));
}

} // namespace

QString WriteAppIcons(const QString& iconRoot) {
    for (const int size : kSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 256.0, size / 256.0);
        PaintIcon(painter);
        painter.end();
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(iconRoot).arg(size);
        const QString path = folder + QStringLiteral("/vantor.png");
        if (!QDir().mkpath(folder) ||
            !image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
            return QStringLiteral("cannot write %1").arg(path);
    }
    return {};
}

} // namespace skingen
