#include "ui/Form4.h"

#include "media/FileInfoText.h"
#include "ui/Translation.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantor {
namespace {

QString FromCrLf(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

Form4::Form4(QWidget* parent)
    : QDialog(parent), m_heading(new QLabel(this)), m_artist(new QLabel(this)),
      m_text(new QPlainTextEdit(this)), m_close(new QPushButton(qtTrId("閉じる"), this)),
      m_copy(new QPushButton(qtTrId("コピー"), this)) {
    setWindowTitle(qtTrId("ファイル情報"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_artist->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    const int lineHeight = m_text->fontMetrics().lineSpacing();
    m_text->setMinimumSize(m_text->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 34,
                           lineHeight * 16);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    buttons->addWidget(m_copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_artist);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);

    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText(
            QStringList{Heading(), Artist(), Information()}.join(QLatin1Char('\n')));
    });
    m_close->setDefault(true);
}

void Form4::ShowInfo(const FileInfoText& info) {
    m_heading->setText(FromCrLf(QString::fromStdString(info.Heading)));
    m_artist->setText(FromCrLf(QString::fromStdString(info.Artist)));
    m_artist->setVisible(!info.Artist.empty());
    // The heading and the artist are the song's own; the lines below are
    // the player's labels and messages.
    m_text->setPlainText(FromCrLf(ShownText(info.Text)));
    show();
    raise();
    activateWindow();
}

QString Form4::Heading() const {
    return m_heading->text();
}

QString Form4::Artist() const {
    return m_artist->text();
}

QString Form4::Information() const {
    return m_text->toPlainText();
}

} // namespace vantor
