#include "ui/QtInstalledFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace vantor {

std::vector<std::string> QtInstalledFonts::FamilyNames() const {
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families())
        names.push_back(family.toStdString());
    return names;
}

} // namespace vantor
