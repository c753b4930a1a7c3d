#include "app/ProgramIcon.h"

#include <QDirIterator>
#include <QString>

namespace vantor {

namespace {

// Every size the program carries, so no size is scaled from another.
QIcon BuiltInIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons/hicolor"), {QStringLiteral("vantor.png")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

} // namespace

QIcon ProgramIcon() {
    return QIcon::fromTheme(QStringLiteral("vantor"), BuiltInIcon());
}

} // namespace vantor
