#include "ui/Form5.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vantor {
namespace {

QStringList ToLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list.append(QString::fromStdString(line));
    return list;
}

} // namespace

Form5::Form5(const AboutContent& content, QWidget* parent)
    : QDialog(parent), m_name(new QLabel(QString::fromStdString(content.programName), this)),
      m_version(new QLabel(QString::fromStdString(content.programVersion), this)),
      m_libraries(new QLabel(ToLines(content.libraryLines).join(QLatin1Char('\n')), this)),
      m_staff(new StaffScroll(ToLines(content.staffLines), this)),
      m_close(new QPushButton(qtTrId("OK"), this)) {
    setWindowTitle(qtTrId("バージョン情報"));
    QFont title = m_name->font();
    title.setPointSizeF(title.pointSizeF() * 2.0);
    title.setBold(true);
    m_name->setFont(title);
    m_name->setAlignment(Qt::AlignHCenter);
    m_version->setAlignment(Qt::AlignHCenter);
    // The version lines are padded to line up in a fixed-pitch font.
    m_libraries->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_libraries->setAlignment(Qt::AlignHCenter);
    m_staff->setMinimumWidth(
        std::max(m_staff->minimumWidth(), m_libraries->sizeHint().width() + 60));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addWidget(m_version);
    layout->addSpacing(8);
    layout->addWidget(m_libraries);
    layout->addSpacing(8);
    layout->addWidget(m_staff, 1);
    layout->addWidget(m_close, 0, Qt::AlignHCenter);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    m_close->setDefault(true);
}

QString Form5::ShownText() const {
    return QStringList{m_name->text(), m_version->text(), m_libraries->text()}.join(
        QLatin1Char('\n'));
}

} // namespace vantor
