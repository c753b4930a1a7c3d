// The player's start-up sequence after the single-instance decision, and its
// exit. The order and the decisions live here; every step is an operation of
// the StartupHost, which the application implements over the real windows
// and subsystems (tests record). UI thread only.
#pragma once

#include "platform/MessageBoxes.h"
#include "platform/ShellWindows.h"
#include "settings/Settings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

// Flags of the running player that start-up and exit share.
struct StartupState {
    // 1 once the windows were shown; closing the main window exits only then.
    std::int32_t StartupDone = 0;
    // 1 while minimise and restore are recorded in Settings.MainWindowVisible.
    std::int32_t WindowStateTracking = 0;
    // 1 when an audio output setting changed: exit relaunches the player.
    std::int32_t RestartPending = 0;
    std::int16_t PlayListWasVisible = 0;
};

class StartupHost {
public:
    virtual ~StartupHost() = default;

    // Fills the settings; true when "Vantor.DVC" existed.
    virtual bool LoadSettings() = 0;
    virtual void InitSoundSystem() = 0;
    virtual void ApplyEffectSwitches() = 0;
    // The balance of the mixer output (centre while it is switched off).
    virtual void ApplyPan() = 0;
    virtual void ApplySoundControls() = 0;
    // Applies the skin whose stored path is Settings.SkinFilePath.
    virtual void ApplySkin() = 0;
    // -1 when the skin sets no dock position.
    virtual std::int32_t SkinDockPosition() const = 0;
    virtual void CentreMainWindow() = 0;
    // A first start's playlist window: docked below the main window, at the
    // skin's first link point, so that it does not cover it.
    virtual void DockPlaylistWindow() = 0;
    // Moves windows restored where the desktop no longer shows them (the
    // screen shrank, the scale grew) back onto its work area.
    virtual void KeepWindowsOnScreen() = 0;

    // Loads "Vantor.m3u" when it exists and returns the number of entries
    // (the spare element dropped); 0 leaves an empty playlist.
    virtual std::int32_t LoadDefaultPlaylist() = 0;
    virtual void ComputeVisibleRows() = 0;
    virtual void SetCurrentIndex(std::int32_t index) = 0;
    // Track numbers, the playlist, the current track opened without
    // playing, background tag reading from entry 0, the song information.
    virtual void ShowRestoredPlaylist() = 0;
    virtual void AddFiles(const std::vector<std::string>& files, bool openMode) = 0;

    virtual void CreateToolTips() = 0;
    virtual void DestroyToolTips() = 0;
    virtual void SetTopMost(PlayerWindow window, bool on) = 0;
    virtual void DrawPlaylist() = 0;
    // Shows the main window, normal or minimised.
    virtual void ShowMainWindow(bool minimised) = 0;
    virtual bool MainWindowMinimised() const = 0;
    // Hides the main window, adds the tray icon, leaves the task bar; false,
    // leaving the window minimised, where the desktop has no tray.
    virtual bool HideToTray() = 0;
    virtual void RemoveTrayIcon() = 0;
    virtual void ShowPlaylistWindow() = 0;
    virtual void HidePlaylistWindow() = 0;
    virtual bool PlaylistWindowVisible() const = 0;
    // The playlist window's left and top, twips.
    virtual std::pair<std::int32_t, std::int32_t> PlaylistWindowPosition() const = 0;

    virtual void SaveSettings() = 0;
    // Starts the program again with " -r".
    virtual void Relaunch() = 0;
    virtual void CloseTrack() = 0;
    virtual void ShutdownSoundSystem() = 0;
};

// Start-up after the single-instance decision; `args` is the split command
// line (argument 0 empty or "-r" when no files were given). Arguments that
// name nothing to add are named in a message; when none is left the saved
// playlist comes back as in a start without files.
void RunStartup(const std::vector<std::string>& args, Settings& settings, StartupState& state,
                StartupHost& host, MessageBoxes& messages);

// The entry a restored playlist of `count` entries resumes at: the
// remembered one, or the first when it lies outside the list.
std::int32_t RestoredIndex(std::int32_t remembered, std::int32_t count);

// Exit: mode 0 saves the settings (and may relaunch), mode 1 writes nothing.
void ExitPlayer(int mode, Settings& settings, const StartupState& state, StartupHost& host,
                MessageBoxes& messages);

} // namespace vantor
