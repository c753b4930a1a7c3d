// The association page: twelve file-group boxes, or the detailed list of
// every extension, and the command row (all, none, switch the view). Both
// views edit one set of ticks.
#pragma once

#include "settings/dialog/AssociationGroups.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;

namespace vantor {

class AssociationPage : public QWidget {
    Q_OBJECT
public:
    explicit AssociationPage(QWidget* parent = nullptr);

    const AssociationTicks& Ticks() const { return m_ticks; }
    void SetTicks(const AssociationTicks& ticks);

private:
    void ShowTicks();
    void GroupToggled(std::size_t group, bool ticked);
    void ItemChanged(QListWidgetItem* item);
    void SwitchView();

    AssociationTicks m_ticks{};
    std::array<QCheckBox*, 12> m_groups{};
    QListWidget* m_list = nullptr;
    QStackedWidget* m_views = nullptr;
    QPushButton* m_switch = nullptr;
    bool m_showing = false;
};

} // namespace vantor
