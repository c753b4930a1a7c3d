#include "ui/QtMessageBoxes.h"

#include "ui/Translation.h"

#include <QMessageBox>

namespace vantor {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtMessageBoxes::Show(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), ShownText(title), ShownText(text), QMessageBox::Ok, m_parent);
    box.exec();
}

} // namespace vantor
