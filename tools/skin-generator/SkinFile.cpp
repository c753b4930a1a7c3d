#include "SkinFile.h"

#include <QFile>

namespace skingen {

void SkinFile::Comment(const QString& text) {
    m_lines << QStringLiteral("# ") + text;
}

void SkinFile::Blank() {
    m_lines << QString();
}

void SkinFile::Statement(const QString& keyword, const QString& value) {
    m_lines << (value.isEmpty() ? keyword : keyword + u' ' + value);
}

void SkinFile::Number(const QString& keyword, int value) {
    Statement(keyword, QString::number(value));
}

void SkinFile::Pair(const QString& keyword, int first, int second) {
    Statement(keyword, QStringLiteral("%1 %2").arg(first).arg(second));
}

void SkinFile::Colour(const QString& keyword, const QColor& colour) {
    Statement(keyword,
              QStringLiteral("%1 %2 %3").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
}

void SkinFile::Rect(const QString& keyword, const QRect& rect, const QString& toolTip) {
    QString value = QStringLiteral("%1 %2 %3 %4")
                        .arg(rect.left())
                        .arg(rect.top())
                        .arg(rect.left() + rect.width())
                        .arg(rect.top() + rect.height());
    if (!toolTip.isEmpty())
        value += u' ' + toolTip;
    Statement(keyword, value);
}

void SkinFile::Font(const QString& prefix, const TextLook& look, bool hasType) {
    if (hasType && !look.kind.isEmpty())
        Statement(prefix + QStringLiteral("FontType"), look.kind);
    if (!look.fontName.isEmpty())
        Statement(prefix + QStringLiteral("FontName"), look.fontName);
    Number(prefix + QStringLiteral("FontSize"), look.fontSize);
    Colour(prefix + QStringLiteral("FontColor"), look.colour);
    Number(prefix + QStringLiteral("FontShadow"), look.shadow.isValid() ? 1 : 0);
    if (look.shadow.isValid())
        Colour(prefix + QStringLiteral("FontShadowColor"), look.shadow);
}

bool SkinFile::Save(const QString& path, QString* error) const {
    QFile file(path);
    const QByteArray bytes =
        (m_lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write ") + path;
        return false;
    }
    return true;
}

} // namespace skingen
