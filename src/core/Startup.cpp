#include "core/Startup.h"

#include "base/ShownText.h"
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
    host.SetCurrentIndex(RestoredIndex(rememberedIndex, count));
    host.ShowRestoredPlaylist();
}

// The files given go to the playlist; false when none was given or none
// could be taken.
bool TakeFilesGiven(const std::vector<std::string>& args, StartupHost& host,
                    MessageBoxes& messages) {
    if (NoFilesGiven(args))
        return false;
    const TakenArgs taken =
        TakeCommandArgs(args, [&host](const std::vector<std::string>& files, bool openMode) {
            host.AddFiles(files, openMode);
        });
    ReportSkippedArgs(taken.skipped, messages);
    return taken.added;
}

} // namespace

std::int32_t RestoredIndex(std::int32_t remembered, std::int32_t count) {
    return remembered < 0 || remembered >= count ? 0 : remembered;
}

void RunStartup(const std::vector<std::string>& args, Settings& settings, StartupState& state,
                StartupHost& host, MessageBoxes& messages) {
    const bool settingsExisted = host.LoadSettings();
    host.InitSoundSystem();
    host.ApplyEffectSwitches();
    host.ApplyPan();
    host.ApplySoundControls();
    const std::int32_t rememberedIndex = settings.CurrentSongIndex;
    host.ApplySkin();
    if (!settingsExisted) {
        host.CentreMainWindow();
        host.DockPlaylistWindow();
    }
    host.KeepWindowsOnScreen();

    if (!TakeFilesGiven(args, host, messages))
        RestorePlaylist(rememberedIndex, host);

    host.CreateToolTips();
    host.SetTopMost(PlayerWindow::Main, settings.AlwaysOnTop == 1);
    host.SetTopMost(PlayerWindow::Playlist, settings.AlwaysOnTop == 1);
    if (host.SkinDockPosition() != -1)
        host.SetTopMost(PlayerWindow::Main, true);
    host.DrawPlaylist();

    const bool minimised = settings.MainWindowVisible != 1;
    host.ShowMainWindow(minimised);
    if (minimised && settings.ShowInSystemTask == 1 && host.HideToTray())
        return;
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
            messages.Show(VANTOR_TEXT("オーディオ出力の設定が変更されたので再起動します"), "Vantor",
                          MessageIcon::Information);
            host.Relaunch();
        }
        host.HidePlaylistWindow();
    }
    host.CloseTrack();
    host.ShutdownSoundSystem();
}

} // namespace vantor
