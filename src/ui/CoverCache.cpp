#include "ui/CoverCache.h"

#include "base/AtomicFile.h"
#include "media/CoverArt.h"
#include "ui/CoverImage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>

namespace vantor {

namespace {

// Enough for the covers of a long evening's listening; older ones go, so
// that the cache does not grow with the library.
constexpr qsizetype kCachedCovers = 64;

// Removes the pictures offered least recently beyond the limit.
void TrimCache(const QString& folder) {
    const QFileInfoList newestFirst = QDir(folder).entryInfoList(QDir::Files, QDir::Time);
    for (qsizetype i = kCachedCovers; i < newestFirst.size(); ++i)
        QFile::remove(newestFirst[i].absoluteFilePath());
}

QString FileUrl(const QString& path) {
    return QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded());
}

} // namespace

QString CoverCacheFolder() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/vantor/covers/");
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
    const std::string localPath = path.toStdString();
    // The name is the content, so a file already there is this very picture;
    // its time is renewed so that trimming keeps the pictures in use.
    if (::utimensat(AT_FDCWD, localPath.c_str(), nullptr, 0) != 0) {
        if (!QDir().mkpath(cacheFolder) ||
            !WriteFileAtomically(localPath, std::string_view(cover.Bytes)))
            return {};
        TrimCache(cacheFolder);
    }
    return FileUrl(path);
}

} // namespace vantor
