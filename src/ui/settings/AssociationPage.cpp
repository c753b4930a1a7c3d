#include "ui/settings/AssociationPage.h"

#include "ui/settings/DialogText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vantor {

namespace {

// Translated when shown: the catalogue is installed after static start-up.
constexpr const char* kShowListCaption = QT_TRID_NOOP("詳細表示");
constexpr const char* kShowGroupsCaption = QT_TRID_NOOP("グループ表示");

} // namespace

AssociationPage::AssociationPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(qtTrId("関連付けるファイルの種類"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    m_views = new QStackedWidget(frame);

    auto* groupView = new QWidget(m_views);
    auto* grid = new QGridLayout(groupView);
    for (std::size_t i = 0; i < m_groups.size(); ++i) {
        auto* box = new QCheckBox(U(AssociationGroups()[i].caption), groupView);
        box->setObjectName(QStringLiteral("associationGroup%1").arg(i));
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) { GroupToggled(i, on); });
        grid->addWidget(box, static_cast<int>(i % 6), static_cast<int>(i / 6));
        m_groups[i] = box;
    }
    m_views->addWidget(groupView);

    m_list = new QListWidget(m_views);
    m_list->setObjectName(QStringLiteral("associationList"));
    for (const AssociationItem& item : kAssociationItems) {
        auto* row = new QListWidgetItem(U(item.extension), m_list);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Unchecked);
    }
    connect(m_list, &QListWidget::itemChanged, this, &AssociationPage::ItemChanged);
    m_views->addWidget(m_list);
    frameLayout->addWidget(m_views);
    layout->addWidget(frame);

    auto* commands = new QHBoxLayout;
    auto* all = new QPushButton(qtTrId("すべて選択"), this);
    all->setObjectName(QStringLiteral("associateAll"));
    connect(all, &QPushButton::clicked, this, [this] {
        m_ticks.fill(true);
        ShowTicks();
    });
    auto* none = new QPushButton(qtTrId("すべて解除"), this);
    none->setObjectName(QStringLiteral("associateNone"));
    connect(none, &QPushButton::clicked, this, [this] {
        m_ticks.fill(false);
        ShowTicks();
    });
    m_switch = new QPushButton(qtTrId(kShowListCaption), this);
    m_switch->setObjectName(QStringLiteral("associationView"));
    connect(m_switch, &QPushButton::clicked, this, &AssociationPage::SwitchView);
    commands->addWidget(all);
    commands->addWidget(none);
    commands->addStretch();
    commands->addWidget(m_switch);
    layout->addLayout(commands);
}

void AssociationPage::SetTicks(const AssociationTicks& ticks) {
    m_ticks = ticks;
    ShowTicks();
}

void AssociationPage::ShowTicks() {
    m_showing = true;
    for (std::size_t i = 0; i < m_groups.size(); ++i)
        m_groups[i]->setChecked(GroupTicked(m_ticks, i));
    for (std::size_t i = 0; i < m_ticks.size(); ++i)
        m_list->item(static_cast<int>(i))->setCheckState(m_ticks[i] ? Qt::Checked : Qt::Unchecked);
    m_showing = false;
}

void AssociationPage::GroupToggled(std::size_t group, bool ticked) {
    if (m_showing)
        return;
    SetGroupTicked(m_ticks, group, ticked);
    ShowTicks();
}

void AssociationPage::ItemChanged(QListWidgetItem* item) {
    if (m_showing)
        return;
    m_ticks[static_cast<std::size_t>(m_list->row(item))] = item->checkState() == Qt::Checked;
    ShowTicks();
}

void AssociationPage::SwitchView() {
    const bool showingGroups = m_views->currentIndex() == 0;
    m_views->setCurrentIndex(showingGroups ? 1 : 0);
    m_switch->setText(qtTrId(showingGroups ? kShowGroupsCaption : kShowListCaption));
}

} // namespace vantor
