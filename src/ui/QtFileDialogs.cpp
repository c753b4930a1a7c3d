#include "ui/QtFileDialogs.h"

#include <QFileDialog>

namespace vantor {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QStringList ToQtFilters(const std::string& filter) {
    const QStringList parts = Q(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

std::vector<std::string> QtFileDialogs::OpenFiles(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& initialFolder,
                                                  bool multipleSelection) {
    QFileDialog dialog(m_parent, Q(title), Q(initialFolder));
    dialog.setFileMode(multipleSelection ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setNameFilters(ToQtFilters(filter));
    std::vector<std::string> chosen;
    if (dialog.exec() != QDialog::Accepted)
        return chosen;
    for (const QString& file : dialog.selectedFiles())
        chosen.push_back(file.toStdString());
    return chosen;
}

std::string QtFileDialogs::SaveFile(const std::string& title, const std::string& filter,
                                    const std::string& initialFolder) {
    return QFileDialog::getSaveFileName(m_parent, Q(title), Q(initialFolder),
                                        ToQtFilters(filter).join(QStringLiteral(";;")))
        .toStdString();
}

std::string QtFileDialogs::BrowseForFolder(const std::string& title,
                                           const std::string& initialFolder) {
    return QFileDialog::getExistingDirectory(m_parent, Q(title), Q(initialFolder)).toStdString();
}

} // namespace vantor
