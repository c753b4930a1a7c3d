// Start-up, exit and the settings file as the running player does them:
// each step of the start-up sequence carried out on the Player's windows
// and subsystems. Borrows the Player. UI thread only.
#pragma once

#include "core/Startup.h"
#include "platform/ProcessControl.h"
#include "settings/SettingsPeers.h"

#include <functional>

namespace vantor {

class Player;

// Starts this program again, marked as a relaunch.
void StartProgramAgain();

class StartupBridge : public StartupHost, public SettingsPeers, public ProcessControl {
public:
    explicit StartupBridge(Player& player) : m_player(player) {}

    // StartupHost
    bool LoadSettings() override;
    void InitSoundSystem() override;
    void ApplyEffectSwitches() override;
    void ApplyPan() override;
    void ApplySoundControls() override;
    void ApplySkin() override;
    std::int32_t SkinDockPosition() const override;
    void CentreMainWindow() override;
    void DockPlaylistWindow() override;
    void KeepWindowsOnScreen() override;
    std::int32_t LoadDefaultPlaylist() override;
    void ComputeVisibleRows() override;
    void SetCurrentIndex(std::int32_t index) override;
    void ShowRestoredPlaylist() override;
    void AddFiles(const std::vector<std::string>& files, bool openMode) override;
    void CreateToolTips() override;
    void DestroyToolTips() override;
    void SetTopMost(PlayerWindow window, bool on) override;
    void DrawPlaylist() override;
    void ShowMainWindow(bool minimised) override;
    bool MainWindowMinimised() const override;
    bool HideToTray() override;
    void RemoveTrayIcon() override;
    void ShowPlaylistWindow() override;
    void HidePlaylistWindow() override;
    bool PlaylistWindowVisible() const override;
    std::pair<std::int32_t, std::int32_t> PlaylistWindowPosition() const override;
    void SaveSettings() override;
    void Relaunch() override;
    void CloseTrack() override;
    void ShutdownSoundSystem() override;

    // SettingsPeers
    void ApplyLoadedSettings(const Settings& settings, bool fileExisted) override;
    void ReapplyEffectChain(const Settings& settings) override;
    std::int32_t CurrentSongIndexToSave() const override;
    bool SaveDefaultPlaylist(const std::string& path) override;

    // ProcessControl
    void EndProcessNow() override;

    // What Relaunch runs: a new process of this program with "-r". Tests,
    // whose program is the test runner, put a recorder in its place.
    std::function<void()> startAgain = &StartProgramAgain;

private:
    Player& m_player;
};

// Window positions in the settings file are twips; the screen has 15 per pixel
// at the 96 dots per inch the file was defined with.
inline constexpr std::int32_t kTwipsPerPixel = 15;

} // namespace vantor
