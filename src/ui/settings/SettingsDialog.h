// The settings window: the category tree, the thirteen pages and the
// command row. It only shows and reads controls; what the buttons do is
// SettingsDialogLogic's. Created once and shown again for every opening;
// UI thread only.
#pragma once

#include "effects/ControlsHost.h"
#include "effects/EqualizerHost.h"
#include "platform/FileAssociations.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "settings/dialog/SettingsDialogLogic.h"
#include "sound/SoundLibrary.h"
#include "ui/settings/SettingsControls.h"

#include <QDialog>

#include <memory>
#include <string>

class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantor {

// What the window works on; all of it outlives the window.
struct SettingsDialogServices {
    Settings& settings;
    SettingsDialogHost& host;
    ControlsHost& controls;
    EqualizerHost& equalizer;
    SoundLibrary& sound;
    MessageBoxes& messages;
    FileDialogs& dialogs;
    // Null where the desktop offers no file-type database.
    FileAssociations* associations;
    std::string appFolder;
};

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(SettingsDialogServices services, QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // Shows the window on `page`. A closed window is filled from the
    // settings first; an open one only turns to the page.
    void Open(int page);
    int CurrentPage() const;
    // The skin browser's page comes from outside; without one it stays empty.
    void SetSkinBrowserPage(QWidget* page);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void BuildPages();
    QWidget* BuildCommandRow();
    void BuildTree();
    void NodeSelected(QTreeWidgetItem* item);
    void ShowPage(int page);
    void Press(DialogButton button);
    void CloseWindow();

    SettingsDialogServices m_services;
    std::unique_ptr<SettingsDialogLogic> m_logic;
    SettingsControls m_controls;
    QTreeWidget* m_tree = nullptr;
    QStackedWidget* m_pages = nullptr;
    bool m_open = false;
};

} // namespace vantor
