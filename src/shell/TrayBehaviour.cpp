#include "shell/TrayBehaviour.h"

namespace vantor {

void AddTrayIcon(ShellWindows& windows) {
    windows.NotifyIcon(NIM_ADD, TrayIconData{});
}

void RemoveTrayIcon(ShellWindows& windows) {
    TrayIconData icon;
    icon.tip.clear();
    windows.NotifyIcon(NIM_DELETE, icon);
}

bool MinimiseToTray(Settings& settings, ShellWindows& windows) {
    if (!windows.HasNotificationArea()) {
        windows.SetMainWindowMinimised(true);
        return false;
    }
    windows.ShowWindow(PlayerWindow::Main, false);
    settings.PlayListVisible = windows.IsWindowVisible(PlayerWindow::Playlist) ? 1 : 0;
    windows.ShowWindow(PlayerWindow::Playlist, false);
    AddTrayIcon(windows);
    windows.SetTaskbarVisible(false);
    return true;
}

void MinimiseMainWindow(Settings& settings, ShellWindows& windows) {
    if (settings.ShowInSystemTask == 1)
        MinimiseToTray(settings, windows);
    else
        windows.SetMainWindowMinimised(true);
}

void HandleTrayEvent(Settings& settings, ShellWindows& windows, std::int32_t code) {
    if (code == kTrayLeftButtonUp || code == kTrayLeftDoubleClick) {
        settings.MainWindowVisible = 1;
        windows.ShowWindow(PlayerWindow::Main, true);
        if (settings.PlayListVisible != 0)
            windows.ShowWindow(PlayerWindow::Playlist, true);
        windows.SetForegroundWindow(PlayerWindow::Main);
        windows.SetTaskbarVisible(true);
        RemoveTrayIcon(windows);
    } else if (code == kTrayRightButtonDown) {
        windows.SetForegroundWindow(PlayerWindow::Main);
        windows.ShowMainPopupMenuAtPointer();
    }
}

void SetTopMost(ShellWindows& windows, PlayerWindow window, bool on) {
    windows.SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, kKeepSizeAndPlace);
}

void ApplyAlwaysOnTop(const Settings& settings, ShellWindows& windows) {
    const bool on = settings.AlwaysOnTop == 1;
    SetTopMost(windows, PlayerWindow::Main, on);
    SetTopMost(windows, PlayerWindow::Playlist, on);
}

void ToggleAlwaysOnTop(Settings& settings, ShellWindows& windows) {
    settings.AlwaysOnTop = settings.AlwaysOnTop == 1 ? 0 : 1;
    ApplyAlwaysOnTop(settings, windows);
}

} // namespace vantor
