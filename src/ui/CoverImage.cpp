#include "ui/CoverImage.h"

#include "media/CoverArt.h"

#include <QBuffer>
#include <QImageReader>

namespace vantor {

namespace {

// A picture reader over the cover's bytes in place: it only reads while
// `cover` lives, so the bytes need no copy.
class CoverReader {
public:
    explicit CoverReader(const CoverArt& cover)
        : m_bytes(QByteArray::fromRawData(cover.Bytes.data(),
                                          static_cast<qsizetype>(cover.Bytes.size()))),
          m_buffer(&m_bytes) {
        m_buffer.open(QIODevice::ReadOnly);
        m_reader.setDevice(&m_buffer);
    }
    QImageReader& Reader() { return m_reader; }

private:
    QByteArray m_bytes;
    QBuffer m_buffer;
    QImageReader m_reader;
};

} // namespace

// The tagged MIME type is often wrong (a PNG tagged "image/jpeg"), so the
// reader goes by the bytes alone; its allocation limit refuses a header that
// claims a picture of gigabytes.
QImage DecodeCover(const CoverArt& cover) {
    if (cover.IsEmpty())
        return {};
    return CoverReader(cover).Reader().read();
}

QByteArray CoverFormat(const CoverArt& cover) {
    if (cover.IsEmpty())
        return {};
    CoverReader opened(cover);
    QImageReader& reader = opened.Reader();
    if (!reader.canRead() || reader.size().isEmpty())
        return {};
    return reader.format();
}

} // namespace vantor
