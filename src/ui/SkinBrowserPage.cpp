#include "ui/SkinBrowserPage.h"

#include "ui/SurfaceImage.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <map>

namespace vantor {
namespace {

constexpr int kNodeRole = Qt::UserRole;
// The preview is shrunk to fit this box; a larger skin would crowd the page.
constexpr int kPreviewWidth = 320;
constexpr int kPreviewHeight = 160;

// A skin file: a small window face with a title strip and two buttons.
QIcon SkinFileIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(40, 60, 110));
    painter.setBrush(QColor(120, 160, 220));
    painter.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 2, 2);
    painter.fillRect(QRect(3, 4, 10, 2), QColor(250, 250, 255));
    painter.setBrush(QColor(255, 200, 60));
    painter.drawEllipse(QRectF(3.5, 8.5, 3, 3));
    painter.drawEllipse(QRectF(8.5, 8.5, 3, 3));
    return QIcon(pixmap);
}

QIcon ImageIcon(const std::string& image) {
    QStyle* style = QApplication::style();
    if (image == kImageFolderOpen)
        return style->standardIcon(QStyle::SP_DirOpenIcon);
    if (image == kImageFolderClose)
        return style->standardIcon(QStyle::SP_DirClosedIcon);
    return SkinFileIcon();
}

QString FromCrLf(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

SkinBrowserPage::SkinBrowserPage(SkinBrowserHost& host, QWidget* parent)
    : QWidget(parent), m_host(host), m_view(new QTreeWidget(this)), m_preview(new QLabel(this)),
      m_description(new QPlainTextEdit(this)),
      m_apply(new QPushButton(qtTrId("このスキンを使う"), this)) {
    m_view->setHeaderHidden(true);
    m_view->setMinimumWidth(180);
    m_preview->setMinimumSize(kPreviewWidth, kPreviewHeight);
    m_preview->setAlignment(Qt::AlignCenter);
    m_description->setReadOnly(true);
    m_description->setPlaceholderText(qtTrId("スキンを選ぶと説明が表示されます"));
    m_apply->setEnabled(false);

    auto* details = new QVBoxLayout;
    details->addWidget(m_preview);
    details->addWidget(m_description, 1);
    details->addWidget(m_apply, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(details, 1);

    connect(m_view, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { ShowSkin(item); });
    connect(m_view, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { Apply(item); });
    connect(m_apply, &QPushButton::clicked, this, [this] { Apply(m_view->currentItem()); });
    Fill();
}

void SkinBrowserPage::Fill() {
    m_view->clear();
    m_skins.BuildSkinTree(m_host.SkinFolder());
    const auto& nodes = m_skins.Nodes();
    std::vector<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        QTreeWidgetItem* item =
            nodes[i].parent < 0
                ? new QTreeWidgetItem(m_view)
                : new QTreeWidgetItem(items[static_cast<std::size_t>(nodes[i].parent)]);
        item->setText(0, QString::fromStdString(nodes[i].text));
        item->setIcon(0, ImageIcon(nodes[i].image));
        item->setData(0, kNodeRole, static_cast<qulonglong>(i));
        items.push_back(item);
    }
    if (!items.empty())
        m_view->expandItem(items.front());
    const auto current = m_skins.SelectSkinNode(m_host.CurrentSkinPath(), m_host.SkinFolder());
    if (current) {
        m_view->setCurrentItem(items[*current]);
        m_view->scrollToItem(items[*current]);
    }
}

QTreeWidgetItem* SkinBrowserPage::ItemNamed(const QString& text) const {
    const auto found = m_view->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

QString SkinBrowserPage::Description() const {
    return m_description->toPlainText();
}

QPixmap SkinBrowserPage::Preview() const {
    return m_preview->pixmap();
}

std::string SkinBrowserPage::SkinPathOf(const QTreeWidgetItem* item) const {
    if (item == nullptr)
        return {};
    const auto index = static_cast<std::size_t>(item->data(0, kNodeRole).toULongLong());
    if (m_skins.Nodes().at(index).image != kImageSkinFile)
        return {};
    return m_skins.NodePath(index);
}

void SkinBrowserPage::ShowSkin(QTreeWidgetItem* item) {
    const std::string path = SkinPathOf(item);
    m_apply->setEnabled(!path.empty());
    m_preview->clear();
    m_description->clear();
    if (path.empty())
        return;
    m_description->setPlainText(FromCrLf(SkinDescription(path)));
    if (const auto picture = m_host.RenderMainWindow(path)) {
        QPixmap pixmap = QPixmap::fromImage(ToShapedImage(picture->window, picture->face));
        if (pixmap.width() > kPreviewWidth || pixmap.height() > kPreviewHeight)
            pixmap = pixmap.scaled(kPreviewWidth, kPreviewHeight, Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation);
        m_preview->setPixmap(pixmap);
    }
}

void SkinBrowserPage::Apply(QTreeWidgetItem* item) {
    const std::string path = SkinPathOf(item);
    if (!path.empty())
        m_host.ApplySkinFile(path);
}

} // namespace vantor
