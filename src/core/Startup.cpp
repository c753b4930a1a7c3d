#include "core/Startup.h"

#include "core/SingleInstance.h"

#include <cstdlib>

namespace vantor {

namespace {

bool NoFilesGiven(const std::vector<std::string>& args) {
    return args.empty() || args.front().empty() || args.front() == "-r";
}

void RestorePlaylist(std::int32_t rememberedIndex, StartupHost& host) {
    const std::int32_t count = host.LoadDefaultPlaylist();
    if (count <= 0)
        return;
    host.ComputeVisibleRows();
    const bool outside = rememberedIndex < 0 || rememberedIndex >= count;
    host.SetCurrentIndex(outside ? 0 : rememberedIndex);
    host.ShowRestoredPlaylist();
}

} // namespace

void RunStartup(const std::vector<std::string>& args, Settings& settings, StartupState& state,
                StartupHost& host) {
    const bool settingsExisted = host.LoadSettings();
    host.InitSoundSystem();
    host.ApplyEffectSwitches();
    host.ApplySoundControls();
    const std::int32_t rememberedIndex = settings.CurrentSongIndex;
    host.ApplySkin();
    if (!settingsExisted)
        host.CentreMainWindow();

    if (NoFilesGiven(args)) {
        RestorePlaylist(rememberedIndex, host);
    } else {
        TakeCommandArgs(args, [&](const std::vector<std::string>& files, bool openMode) {
            host.AddFiles(files, openMode);
        });
    }

    host.CreateToolTips();
    host.SetTopMost(PlayerWindow::Main, settings.AlwaysOnTop == 1);
    host.SetTopMost(PlayerWindow::Playlist, settings.AlwaysOnTop == 1);
    if (host.SkinDockPosition() != -1)
        host.SetTopMost(PlayerWindow::Main, true);
    host.DrawPlaylist();

    const bool minimised = settings.MainWindowVisible != 1;
    host.ShowMainWindow(minimised);
    if (minimised && settings.ShowInSystemTask == 1) {
        host.HideToTray();
        return;
    }
    state.StartupDone = 1;
    state.WindowStateTracking = 1;
    if (settings.PlayListVisible == 1)
        host.ShowPlaylistWindow();
    state.PlayListWasVisible = host.PlaylistWindowVisible() ? -1 : 0;
}

void ExitPlayer(int mode, Settings& settings, const StartupState& state, StartupHost& host,
                MessageBoxes& messages) {
    host.SetTopMost(PlayerWindow::Main, false);
    host.SetTopMost(PlayerWindow::Playlist, false);
    host.DestroyToolTips();
    const bool inTray = host.MainWindowMinimised() && settings.ShowInSystemTask != 0;
    if (!inTray)
        settings.PlayListVisible = host.PlaylistWindowVisible() ? 1 : 0;
    host.RemoveTrayIcon();
    if (mode == 0) {
        settings.MainWindowVisible = std::abs(settings.MainWindowVisible);
        const auto [x, y] = host.PlaylistWindowPosition();
        settings.PlayListWindowX = x;
        settings.PlayListWindowY = y;
        host.SaveSettings();
        if (state.RestartPending == 1) {
            messages.Show("オーディオ出力の設定が変更されたので再起動します", "Vantor",
                          MessageIcon::Information);
            host.Relaunch();
        }
        host.HidePlaylistWindow();
    }
    host.CloseTrack();
    host.ShutdownSoundSystem();
}

} // namespace vantor
