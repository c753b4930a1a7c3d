// A colour label of the settings window: it shows a colour and, when
// clicked, opens the desktop's colour picker and takes the chosen colour.
// Colours are 0x00BBGGRR as the settings hold them.
#pragma once

#include <QPushButton>

#include <cstdint>

namespace vantor {

class ColorButton : public QPushButton {
    Q_OBJECT
public:
    ColorButton(const QString& objectName, QWidget* parent = nullptr);

    std::int32_t ColorRef() const { return m_colorRef; }
    void SetColorRef(std::int32_t colorRef);

private:
    void Choose();

    std::int32_t m_colorRef = 0;
};

} // namespace vantor
