// Message boxes as Qt dialogs with one OK button. UI thread only.
#pragma once

#include "platform/MessageBoxes.h"

class QWidget;

namespace vantor {

class QtMessageBoxes : public MessageBoxes {
public:
    // Boxes are centred on `parent` when it is given (not owned).
    explicit QtMessageBoxes(QWidget* parent = nullptr) : m_parent(parent) {}
    void Show(const std::string& text, const std::string& title, MessageIcon icon) override;

private:
    QWidget* m_parent;
};

} // namespace vantor
