// What the main window's commands and applying a skin ask of the running
// player: dialogs, bar redraws, the analyzer and the skin's window work.
// Borrows the Player. UI thread only.
#pragma once

#include "core/CommandHost.h"
#include "core/MainCommands.h"
#include "skin/SkinApplicationPeers.h"
#include "ui/Form5.h"

#include <QPointer>

#include <string>

namespace vantor {

class Player;

class CommandBridge : public CommandHost, public SkinApplicationPeers {
public:
    explicit CommandBridge(Player& player) : m_player(player) {}

    // Runs the command of a menu item, then shows the result.
    void RunMenuItem(const std::string& name, std::int32_t index);
    // Runs the command of a key released in either window.
    void RunKey(char key, bool ctrl);
    // Runs a command as a button or menu item does, then shows the result.
    void RunCommand(const CommandRequest& request);

    // CommandHost
    void AddFilesFromDialog(std::int32_t mode) override;
    void AddFolderFromPicker(std::int32_t mode) override;
    void ShowCdWindow() override;
    void ShowSettingsDialog(std::int32_t page) override;
    void ShowSkinFileDialog() override;
    void ShowAbout() override;
    void ExitPlayer(std::int32_t mode) override;
    void UnloadMainWindow() override;
    void RestartTagReader() override;
    void RedrawVolumeBar() override;
    void SelectAnalyzerStyle(std::int32_t index) override;
    void SelectOscilloscope() override;
    void DrawLinkButton(bool pressed) override;
    void RedrawBalanceBar() override;
    void RedrawPitchBar() override;
    void ApplySoundControls() override;
    void SaveSettings() override;

    // SkinApplicationPeers
    void StopTickTimer() override;
    void StartTickTimer() override;
    void ShapeWindows(const gfx::Surface& mainFace, const gfx::Surface& playListFace) override;
    void SetUpSkinToolTips() override;
    void PlacePlayListWindow() override;
    void PrepareVisuals() override;
    void DrawPlayList() override;
    void FinishApplication() override;
    void SkinChanged() override;
    void ExitPlayer() override;

private:
    Player& m_player;
    // Made at the first showing, owned by the main window.
    QPointer<Form5> m_about;
};

} // namespace vantor
