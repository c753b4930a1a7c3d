#include "ui/Form4.h"

#include "media/FileInfoText.h"
#include "ui/CoverImage.h"
#include "ui/Translation.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
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
      m_text(new QPlainTextEdit(this)), m_cover(new QLabel(this)),
      m_close(new QPushButton(qtTrId("閉じる"), this)),
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

    m_cover->setObjectName(QStringLiteral("cover"));
    m_cover->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_cover->hide();

    auto* facts = new QHBoxLayout;
    facts->addWidget(m_text, 1);
    facts->addWidget(m_cover, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    buttons->addWidget(m_copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_artist);
    layout->addLayout(facts, 1);
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
    ShowCover(DecodeCover(info.Cover));
    show();
    raise();
    activateWindow();
}

// The picture fits a square as tall as the information lines' least
// height, whatever its own size, with its shape kept.
void Form4::ShowCover(const QImage& cover) {
    m_cover->setVisible(!cover.isNull());
    if (cover.isNull()) {
        m_cover->clear();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const int side = static_cast<int>(m_text->minimumHeight() * ratio);
    QPixmap shown =
        QPixmap::fromImage(cover.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    shown.setDevicePixelRatio(ratio);
    m_cover->setPixmap(shown);
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
