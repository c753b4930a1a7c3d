#include "ui/Translation.h"

#include "base/ShownText.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace vantor {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The catalogue stays installed for the life of the application.
std::unique_ptr<QTranslator>& InstalledCatalogue() {
    static std::unique_ptr<QTranslator> catalogue;
    return catalogue;
}

QString TranslatedComposed(const QString& line) {
    const std::string text = line.toStdString();
    for (const std::string_view composed : kComposedTexts) {
        const auto values = ValuesComposedInto(composed, text);
        if (!values)
            continue;
        const std::string translated = qtTrId(std::string(composed).c_str()).toStdString();
        return QString::fromStdString(ComposeText(translated, *values));
    }
    return line;
}

QString TranslatedLine(const QString& line) {
    if (line.isEmpty())
        return line;
    const QString whole = qtTrId(line.toUtf8().constData());
    return whole != line ? whole : TranslatedComposed(line);
}

} // namespace

bool PrefersSourceTexts(const QStringList& uiLanguages) {
    return !uiLanguages.isEmpty() && uiLanguages.front().startsWith(QStringLiteral("ja"));
}

bool UseLanguage(const QStringList& uiLanguages, const std::vector<std::string>& folders) {
    std::unique_ptr<QTranslator>& installed = InstalledCatalogue();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (PrefersSourceTexts(uiLanguages))
        return false;
    for (const std::string& folder : folders) {
        const QString path = QString::fromStdString(folder) + QLatin1String(kEnglishCatalogue);
        auto catalogue = std::make_unique<QTranslator>();
        if (!QFile::exists(path) || !catalogue->load(path))
            continue;
        QCoreApplication::installTranslator(catalogue.get());
        installed = std::move(catalogue);
        return true;
    }
    return false;
}

bool UseDesktopLanguage(const std::vector<std::string>& folders) {
    return UseLanguage(QLocale::system().uiLanguages(), folders);
}

QString ShownText(std::string_view text) {
    const QString source = FromUtf8(text);
    if (!InstalledCatalogue())
        return source;
    const QString whole = qtTrId(source.toUtf8().constData());
    if (whole != source)
        return whole;
    QStringList lines = source.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const bool carriageReturn = line.endsWith(QLatin1Char('\r'));
        if (carriageReturn)
            line.chop(1);
        line = TranslatedLine(line);
        if (carriageReturn)
            line += QLatin1Char('\r');
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace vantor
