#include "app/ProgramIcon.h"

#include "ui/ImageFile.h"

#include <QDirIterator>
#include <QPixmap>
#include <QString>

namespace vantor {

namespace {

// Every size the program carries, so no size is scaled from another.
QIcon BuiltInIcon() {
    QIcon icon;
    // Compared by name rather than through a name filter, which would
    // compile a pattern, and bring in the pattern library, for one name.
    QDirIterator sizes(QStringLiteral(":/program/icons/hicolor"), QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        const QString path = sizes.next();
        if (sizes.fileName() == QLatin1String("vantor.png"))
            icon.addPixmap(QPixmap::fromImage(ReadImageFile(path)));
    }
    return icon;
}

} // namespace

QIcon ProgramIcon() {
    // The built-in pictures are decoded only when the theme has none: an
    // installed player takes the theme's icon.
    const QIcon themed = QIcon::fromTheme(QStringLiteral("vantor"));
    if (themed.isNull() || themed.availableSizes().isEmpty())
        return BuiltInIcon();
    return themed;
}

} // namespace vantor
