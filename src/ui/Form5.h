// The About window: the program's name and version, the versions of the
// sound engine, the two effect libraries and Pixwell, and the scrolling
// staff list. Its button closes it. UI thread only.
#pragma once

#include "ui/StaffScroll.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace vantor {

struct AboutContent {
    std::string programName;
    std::string programVersion;
    std::vector<std::string> libraryLines;
    std::vector<std::string> staffLines;
};

class Form5 : public QDialog {
    Q_OBJECT
public:
    explicit Form5(const AboutContent& content, QWidget* parent = nullptr);

    // Every text the window shows above the staff list, one per line.
    QString ShownText() const;
    StaffScroll& Staff() { return *m_staff; }
    QPushButton& CloseButton() { return *m_close; }

private:
    QLabel* m_name;
    QLabel* m_version;
    QLabel* m_libraries;
    StaffScroll* m_staff;
    QPushButton* m_close;
};

} // namespace vantor
