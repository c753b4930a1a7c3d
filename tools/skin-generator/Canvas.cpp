#include "Canvas.h"

#include <QFile>
#include <QPainter>

namespace skingen {

namespace {

constexpr QRgb kNudgedKey = 0xFFFE00FE;

void PutLe16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutLe32(QByteArray& out, int value) {
    PutLe16(out, value & 0xFFFF);
    PutLe16(out, (value >> 16) & 0xFFFF);
}

bool WriteBytes(const QByteArray& bytes, const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write ") + path;
        return false;
    }
    return true;
}

// The player's PNG decoder reads 8-bit truecolour or 8-bit palette pictures
// without interlacing; anything else would silently leave a skin without
// its face, so the written header is checked.
bool CheckPngHeader(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read back ") + path;
        return false;
    }
    const QByteArray head = file.read(33);
    const bool isPng =
        head.size() == 33 && head.startsWith("\x89PNG\r\n\x1a\n") && head.mid(12, 4) == "IHDR";
    const int bitDepth = isPng ? static_cast<unsigned char>(head[24]) : 0;
    const int colourType = isPng ? static_cast<unsigned char>(head[25]) : 0;
    const int interlace = isPng ? static_cast<unsigned char>(head[28]) : 1;
    if (bitDepth != 8 || (colourType != 2 && colourType != 3) || interlace != 0) {
        *error = path + QStringLiteral(": not an 8-bit RGB or palette PNG (depth %1, type %2)")
                            .arg(bitDepth)
                            .arg(colourType);
        return false;
    }
    return true;
}

} // namespace

QImage NewCanvas(int width, int height, QColor fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void CutOutline(QImage& image, const QPainterPath& shape) {
    QImage mask(image.size(), QImage::Format_RGB32);
    mask.fill(Qt::black);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillPath(shape, Qt::white);
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* inside = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(inside[x]) == 0)
                row[x] = kKeyColour;
            else if ((row[x] | 0xFF000000) == kKeyColour)
                row[x] = kNudgedKey;
        }
    }
}

QImage Dimmed(const QImage& face) {
    QImage out = face.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((row[x] | 0xFF000000) == kKeyColour)
                continue;
            const int grey = qGray(row[x]);
            const auto mix = [grey](int channel) {
                return (channel * 35 + grey * 65) * 78 / 10000;
            };
            row[x] = qRgb(mix(qRed(row[x])), mix(qGreen(row[x])), mix(qBlue(row[x])));
        }
    }
    return out;
}

bool SaveBmp(const QImage& image, const QString& path, QString* error) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int stride = (rgb.width() * 3 + 3) & ~3;
    const int pixelBytes = stride * rgb.height();
    QByteArray out;
    out.append("BM");
    PutLe32(out, 54 + pixelBytes);
    PutLe32(out, 0);
    PutLe32(out, 54);
    PutLe32(out, 40);
    PutLe32(out, rgb.width());
    PutLe32(out, rgb.height());
    PutLe16(out, 1);
    PutLe16(out, 24);
    PutLe32(out, 0);
    PutLe32(out, pixelBytes);
    PutLe32(out, 2835);
    PutLe32(out, 2835);
    PutLe32(out, 0);
    PutLe32(out, 0);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
        }
        out.append(QByteArray(stride - rgb.width() * 3, '\0'));
    }
    return WriteBytes(out, path, error);
}

bool SavePng(const QImage& image, const QString& path, QString* error) {
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "PNG")) {
        *error = QStringLiteral("cannot write ") + path;
        return false;
    }
    return CheckPngHeader(path, error);
}

bool SaveIndexedPng(const QImage& image, const QString& path, QString* error) {
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (!indexed.save(path, "PNG")) {
        *error = QStringLiteral("cannot write ") + path;
        return false;
    }
    return CheckPngHeader(path, error);
}

} // namespace skingen
