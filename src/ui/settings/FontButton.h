// The song-information font of the settings window: a button that names
// the font and opens the desktop's font dialog to change it.
#pragma once

#include <QPushButton>

#include <cstdint>
#include <string>

namespace vantor {

struct ChosenFont {
    std::string name;
    std::int32_t size = 0;
    bool bold = false;
    bool italic = false;
};

class FontButton : public QPushButton {
    Q_OBJECT
public:
    explicit FontButton(QWidget* parent = nullptr);

    const ChosenFont& Font() const { return m_font; }
    void SetFont(const ChosenFont& font);

private:
    void Choose();

    ChosenFont m_font;
};

} // namespace vantor
