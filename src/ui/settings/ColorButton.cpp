#include "ui/settings/ColorButton.h"

#include <QColorDialog>

namespace vantor {

namespace {

QColor FromColorRef(std::int32_t colorRef) {
    const auto value = static_cast<std::uint32_t>(colorRef);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::int32_t ToColorRef(const QColor& color) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                     (static_cast<std::uint32_t>(color.green()) << 8) |
                                     (static_cast<std::uint32_t>(color.blue()) << 16));
}

} // namespace

ColorButton::ColorButton(const QString& objectName, QWidget* parent) : QPushButton(parent) {
    setObjectName(objectName);
    setMinimumWidth(64);
    connect(this, &QPushButton::clicked, this, &ColorButton::Choose);
}

void ColorButton::SetColorRef(std::int32_t colorRef) {
    m_colorRef = colorRef;
    const QColor color = FromColorRef(colorRef);
    setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid palette(dark);").arg(color.name()));
    setToolTip(color.name());
}

void ColorButton::Choose() {
    const QColor chosen = QColorDialog::getColor(FromColorRef(m_colorRef), this);
    if (chosen.isValid())
        SetColorRef(ToColorRef(chosen));
}

} // namespace vantor
