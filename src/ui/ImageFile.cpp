#include "ui/ImageFile.h"

#include <QFile>
#include <QImageReader>

namespace vantor {

namespace {

// The formats Qt reads without a plugin, told by their first bytes. A reader
// held to a format it knows leaves the installed image plugins unloaded; one
// left to find the format loads every plugin to ask each whether the file is
// its own.
QByteArray BuiltInFormatOf(QIODevice& file) {
    const QByteArray head = file.peek(8);
    if (head.startsWith("BM"))
        return QByteArrayLiteral("bmp");
    if (head.startsWith("\x89PNG\r\n\x1a\n"))
        return QByteArrayLiteral("png");
    return {};
}

} // namespace

QImage ReadImageFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A JPEG named .bmp still loads, as the desktop's own loader has it.
    const QByteArray format = BuiltInFormatOf(file);
    QImageReader reader(&file, format);
    if (format.isEmpty())
        reader.setDecideFormatFromContent(true);
    else
        reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace vantor
