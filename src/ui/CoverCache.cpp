#include "ui/CoverCache.h"

#include "base/AtomicFile.h"
#include "media/CoverArt.h"
#include "ui/CoverImage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <string_view>

namespace vantor {

namespace {

QString FileUrl(const QString& path) {
    return QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded());
}

} // namespace

QString CoverCacheFolder() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/vantor/");
}

QString CoverArtUrl(const CoverArt& cover, const QString& cacheFolder) {
    const QByteArray format = CoverFormat(cover);
    if (format.isEmpty())
        return {};
    if (!cover.FilePath.empty())
        return FileUrl(QString::fromStdString(cover.FilePath));

    const QByteArray bytes =
        QByteArray::fromRawData(cover.Bytes.data(), static_cast<qsizetype>(cover.Bytes.size()));
    const QString name =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()) +
        QLatin1Char('.') + QString::fromLatin1(format == "jpeg" ? QByteArray("jpg") : format);
    const QString path = cacheFolder + name;
    // The name is the content, so a file already there is this very picture.
    if (!QFileInfo::exists(path)) {
        if (!QDir().mkpath(cacheFolder) ||
            !WriteFileAtomically(path.toStdString(), std::string_view(cover.Bytes)))
            return {};
    }
    return FileUrl(path);
}

} // namespace vantor
