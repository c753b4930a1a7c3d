#include "ui/QtFileDialogs.h"

#include "ui/Translation.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace vantor {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A filter's description is a name ("PlayListFile") and its patterns in
// brackets; the name is the player's own text, the patterns are not.
QString ShownDescription(const QString& description) {
    const qsizetype patterns = description.indexOf(QStringLiteral(" ("));
    const QString name = patterns < 0 ? description : description.left(patterns);
    return ShownText(name.toStdString()) + description.mid(name.size());
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
        filters << ShownDescription(parts[i]) + QStringLiteral(" (") +
                       patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

std::vector<std::string> QtFileDialogs::OpenFiles(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& initialFolder,
                                                  bool multipleSelection) {
    QFileDialog dialog(m_parent, ShownText(title), Q(initialFolder));
    dialog.setFileMode(multipleSelection ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setNameFilters(ToQtFilters(filter));
    std::vector<std::string> chosen;
    if (dialog.exec() != QDialog::Accepted)
        return chosen;
    for (const QString& file : dialog.selectedFiles())
        chosen.push_back(file.toStdString());
    return chosen;
}

QString FilterExtension(const QString& qtFilter) {
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.([^ *?.)]+)"));
    const QRegularExpressionMatch match = firstPattern.match(qtFilter);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

// The dialog adds the chosen filter's extension to a name typed without
// one before it asks about replacing a file, so the question is about the
// file that will be written.
std::string QtFileDialogs::SaveFile(const std::string& title, const std::string& filter,
                                    const std::string& initialFolder) {
    QFileDialog dialog(m_parent, ShownText(title), Q(initialFolder));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(ToQtFilters(filter));
    const auto useExtensionOf = [&dialog](const QString& nameFilter) {
        dialog.setDefaultSuffix(FilterExtension(nameFilter));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useExtensionOf);
    useExtensionOf(dialog.selectedNameFilter());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front().toStdString();
}

std::string QtFileDialogs::BrowseForFolder(const std::string& title,
                                           const std::string& initialFolder) {
    return QFileDialog::getExistingDirectory(m_parent, ShownText(title), Q(initialFolder))
        .toStdString();
}

} // namespace vantor
