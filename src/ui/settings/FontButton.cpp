#include "ui/settings/FontButton.h"

#include "ui/settings/DialogText.h"

#include <QFontDialog>

namespace vantor {

FontButton::FontButton(QWidget* parent) : QPushButton(parent) {
    setObjectName(QStringLiteral("songInfoFont"));
    connect(this, &QPushButton::clicked, this, &FontButton::Choose);
}

void FontButton::SetFont(const ChosenFont& font) {
    m_font = font;
    QString caption = U(font.name) + QStringLiteral(", %1 pt").arg(font.size);
    if (font.bold)
        caption += QStringLiteral(", Bold");
    if (font.italic)
        caption += QStringLiteral(", Italic");
    setText(caption);
}

void FontButton::Choose() {
    QFont current(U(m_font.name), m_font.size > 0 ? m_font.size : 9,
                  m_font.bold ? QFont::Bold : QFont::Normal, m_font.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, current, this);
    if (ok)
        SetFont({S(chosen.family()), chosen.pointSize(), chosen.bold(), chosen.italic()});
}

} // namespace vantor
