// The skin browser: the skins below the skin folder as a tree, the chosen
// skin's name, About lines and a picture of its main window, and a button
// (or a double-click) that switches the player to it. Fills itself from its
// host when made. UI thread only.
#pragma once

#include "skin/SkinBrowserHost.h"
#include "skin/SkinTree.h"

#include <QWidget>

#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantor {

class SkinBrowserPage : public QWidget {
    Q_OBJECT
public:
    explicit SkinBrowserPage(SkinBrowserHost& host, QWidget* parent = nullptr);

    QTreeWidget& Tree() { return *m_view; }
    // The item of the node whose text is `text`, if any.
    QTreeWidgetItem* ItemNamed(const QString& text) const;
    QString Description() const;
    // The main-window picture shown for the selected skin; null when none.
    QPixmap Preview() const;
    QPushButton& ApplyButton() { return *m_apply; }

private:
    void Fill();
    void ShowSkin(QTreeWidgetItem* item);
    void Apply(QTreeWidgetItem* item);
    // The skin file of `item`; empty for a folder.
    std::string SkinPathOf(const QTreeWidgetItem* item) const;

    SkinBrowserHost& m_host;
    SkinTree m_skins;
    QTreeWidget* m_view;
    QLabel* m_preview;
    QPlainTextEdit* m_description;
    QPushButton* m_apply;
};

} // namespace vantor
