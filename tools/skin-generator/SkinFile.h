// Writes a skin definition file statement by statement, in the form the
// player reads: one statement a line, CR LF endings, UTF-8 text.
// Single-threaded; the caller owns the object.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

namespace skingen {

// The look of one text field of the skin.
struct TextLook {
    QString kind{}; // "BMP" for the skin's glyph sheets, empty for a system font
    QString fontName{};
    int fontSize = 9;
    QColor colour{};
    QColor shadow{}; // invalid: no shadow
};

class SkinFile {
public:
    void Comment(const QString& text);
    void Blank();
    void Statement(const QString& keyword, const QString& value);
    void Number(const QString& keyword, int value);
    void Pair(const QString& keyword, int first, int second);
    void Colour(const QString& keyword, const QColor& colour);
    // Right and bottom are written exclusive, so width = right - left.
    void Rect(const QString& keyword, const QRect& rect, const QString& toolTip = {});
    // The style statements of one text field: `prefix` + "FontType",
    // "FontName", "FontSize", "FontColor", "FontShadow", "FontShadowColor".
    void Font(const QString& prefix, const TextLook& look, bool hasType = true);

    bool Save(const QString& path, QString* error) const;

private:
    QStringList m_lines;
};

} // namespace skingen
