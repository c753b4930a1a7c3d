#include "ui/settings/SettingsDialog.h"

#include "settings/dialog/ChooseButtons.h"
#include "settings/dialog/SettingsPages.h"
#include "ui/Translation.h"
#include "ui/settings/AssociationPage.h"
#include "ui/settings/DialogText.h"
#include "ui/settings/EffectsPage.h"
#include "ui/settings/EqualizerPage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vantor {

namespace {

constexpr int kPageRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;

} // namespace

SettingsDialog::SettingsDialog(SettingsDialogServices services, QWidget* parent)
    : QDialog(parent), m_services(std::move(services)) {
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(qtTrId("Vantor 設定"));
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("categoryTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    body->addWidget(m_tree);
    body->addWidget(m_pages, 1);
    layout->addLayout(body, 1);
    layout->addWidget(BuildCommandRow());
    BuildPages();
    BuildTree();
    m_tree->resizeColumnToContents(0);
    m_tree->setMinimumWidth(m_tree->columnWidth(0) + 2 * m_tree->indentation());
    m_tree->setMaximumWidth(m_tree->minimumWidth() + m_tree->indentation());
}

SettingsDialog::~SettingsDialog() = default;

QWidget* SettingsDialog::BuildCommandRow() {
    auto* row = new QDialogButtonBox(this);
    const std::array<std::tuple<QString, QString, DialogButton>, 3> buttons{{
        {QStringLiteral("OK"), QStringLiteral("okButton"), DialogButton::Ok},
        {qtTrId("キャンセル"), QStringLiteral("cancelButton"), DialogButton::Cancel},
        {qtTrId("適用"), QStringLiteral("applyButton"), DialogButton::Apply},
    }};
    for (const auto& [caption, name, button] : buttons) {
        auto* push = row->addButton(caption, QDialogButtonBox::ActionRole);
        push->setObjectName(name);
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, [this, button = button] { Press(button); });
    }
    return row;
}

void SettingsDialog::BuildPages() {
    SettingsControls& c = m_controls;
    const QString settingsFile =
        QString::fromStdString(m_services.appFolder) + QStringLiteral("Vantor.DVC");
    m_pages->addWidget(BuildNotePage(
        qtTrId("一般設定"),
        qtTrId("左の一覧から設定する項目を選んでください。") + QStringLiteral("\n\n") +
            qtTrId("設定は次のファイルに保存されます:") + QStringLiteral("\n") + settingsFile,
        m_pages));
    m_pages->addWidget(BuildPlayOptionsPage(c, m_pages));
    c.effects =
        new EffectsPage(m_services.settings, m_services.controls, m_services.sound, m_pages);
    m_pages->addWidget(c.effects);
    c.equalizer =
        new EqualizerPage(m_services.dialogs, m_services.messages, m_services.equalizer, m_pages);
    m_pages->addWidget(c.equalizer);
    m_pages->addWidget(BuildAudioOutputPage(
        c, [this](int output) { return m_services.host.DriverNames(output); }, m_pages));
    m_pages->addWidget(BuildMainDisplayPage(c, m_pages));
    m_pages->addWidget(BuildPlaylistDisplayPage(c, m_pages));
    m_pages->addWidget(
        BuildNotePage(qtTrId("プレイリスト"),
                      qtTrId("プレイリストは終了するときに次のファイルに保存され、"
                             "次に起動したときに読み込まれます:") +
                          QStringLiteral("\n") + QString::fromStdString(m_services.appFolder) +
                          QStringLiteral("Vantor.m3u\n\n") +
                          qtTrId("行の表示形式は「表示設定 - プレイリスト」で設定します。"),
                      m_pages));
    m_pages->addWidget(BuildAnalyzerPage(
        c,
        [this] {
            const std::string chosen =
                ChoosePatternFile(m_services.dialogs, S(m_controls.analyzerPatternFile->text()),
                                  m_services.appFolder);
            m_controls.analyzerPatternFile->setText(U(chosen));
        },
        m_pages));
    c.associations = new AssociationPage(m_pages);
    c.associations->setEnabled(m_services.associations != nullptr);
    m_pages->addWidget(c.associations);
    m_pages->addWidget(BuildOtherPage(c, m_pages));
    auto* skinBrowser = new QWidget(m_pages);
    skinBrowser->setObjectName(QStringLiteral("skinBrowserPlaceholder"));
    m_pages->addWidget(skinBrowser);
    m_pages->addWidget(BuildSkinFolderPage(
        c,
        [this] {
            const std::string chosen =
                ChooseSkinFolder(m_services.dialogs, S(m_controls.skinFolder->text()));
            m_controls.skinFolder->setText(U(chosen));
        },
        m_pages));
}

void SettingsDialog::BuildTree() {
    for (const CategoryNode& node : kCategoryNodes) {
        QTreeWidgetItem* parent = nullptr;
        for (int i = 0; i < m_tree->topLevelItemCount() && !node.parentKey.empty(); ++i) {
            QTreeWidgetItem* top = m_tree->topLevelItem(i);
            if (top->data(0, kKeyRole).toString() == U(node.parentKey))
                parent = top;
        }
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, ShownText(node.text));
        item->setData(0, kKeyRole, U(node.key));
        item->setData(0, kPageRole, node.page);
    }
    m_tree->expandAll();
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { NodeSelected(item); });
}

void SettingsDialog::NodeSelected(QTreeWidgetItem* item) {
    if (item == nullptr)
        return;
    m_pages->setCurrentIndex(
        PageAfterSelecting(S(item->data(0, kKeyRole).toString()), m_pages->currentIndex()));
}

void SettingsDialog::ShowPage(int page) {
    const QString key = U(NodeKeyOfPage(page));
    for (QTreeWidgetItemIterator it(m_tree); *it != nullptr; ++it) {
        if ((*it)->data(0, kKeyRole).toString() == key) {
            m_tree->setCurrentItem(*it);
            break;
        }
    }
    m_pages->setCurrentIndex(page);
}

int SettingsDialog::CurrentPage() const {
    return m_pages->currentIndex();
}

void SettingsDialog::SetSkinBrowserPage(QWidget* page) {
    QWidget* old = m_pages->widget(kPageSkinBrowser);
    m_pages->insertWidget(kPageSkinBrowser, page);
    m_pages->removeWidget(old);
    old->deleteLater();
}

void SettingsDialog::Open(int page) {
    if (!m_open) {
        m_logic = std::make_unique<SettingsDialogLogic>(
            m_services.settings, m_services.host, m_services.messages, m_services.associations);
        const SettingsForm form = m_logic->Open();
        ShowForm(form, m_controls);
        const int output =
            form.outputIndex >= 0 ? form.outputIndex : m_services.settings.OutputType;
        FillDriverList(m_controls, m_services.host.DriverNames(output), form.driverIndex);
        m_controls.effects->ShowSettings();
        m_open = true;
    }
    ShowPage(page);
    show();
    raise();
    activateWindow();
    m_tree->setFocus();
}

void SettingsDialog::Press(DialogButton button) {
    if (m_logic->Press(button, ReadForm(m_controls)))
        CloseWindow();
}

void SettingsDialog::CloseWindow() {
    if (!m_open)
        return;
    m_open = false;
    hide();
    // OK has applied by now; Cancel and closing take back what the page previewed.
    m_services.equalizer.EndEqualizerPreview();
    m_logic->Close();
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
    CloseWindow();
    event->accept();
}

void SettingsDialog::reject() {
    Press(DialogButton::Cancel);
}

} // namespace vantor
