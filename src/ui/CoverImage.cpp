#include "ui/CoverImage.h"

#include "media/CoverArt.h"

#include <QBuffer>
#include <QImageReader>

namespace vantor {

namespace {

QByteArray BytesOf(const CoverArt& cover) {
    // The reader only reads while `cover` lives, so the bytes need no copy.
    return QByteArray::fromRawData(cover.Bytes.data(), static_cast<qsizetype>(cover.Bytes.size()));
}

} // namespace

// The tagged MIME type is often wrong (a PNG tagged "image/jpeg"), so the
// reader goes by the bytes alone; its allocation limit refuses a header that
// claims a picture of gigabytes.
QImage DecodeCover(const CoverArt& cover) {
    if (cover.IsEmpty())
        return {};
    QByteArray bytes = BytesOf(cover);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.read();
}

QByteArray CoverFormat(const CoverArt& cover) {
    if (cover.IsEmpty())
        return {};
    QByteArray bytes = BytesOf(cover);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead() || reader.size().isEmpty())
        return {};
    return reader.format();
}

} // namespace vantor
