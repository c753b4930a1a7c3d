// Records what the player asks of its windows and the shell, and keeps the
// windows' visibility and positions the test sets.
#pragma once

#include "platform/ShellWindows.h"

#include <map>
#include <string>
#include <vector>

namespace vantor::test {

class FakeShellWindows : public ShellWindows {
public:
    void SetWindowPos(PlayerWindow window, std::int32_t insertAfter, std::uint32_t flags) override {
        Record("SetWindowPos(" + Name(window) + ", " + std::to_string(insertAfter) + ", " +
               std::to_string(flags) + ")");
    }
    void ShowWindow(PlayerWindow window, bool show) override {
        visible[window] = show;
        Record("ShowWindow(" + Name(window) + ", " + (show ? "true" : "false") + ")");
    }
    bool IsWindowVisible(PlayerWindow window) const override {
        const auto it = visible.find(window);
        return it != visible.end() && it->second;
    }
    void SetForegroundWindow(PlayerWindow window) override {
        Record("SetForegroundWindow(" + Name(window) + ")");
    }
    void SetMainWindowMinimised(bool minimised) override {
        Record(std::string("SetMainWindowMinimised(") + (minimised ? "true" : "false") + ")");
    }
    void SetTaskbarVisible(bool show) override {
        Record(std::string("SetTaskbarVisible(") + (show ? "true" : "false") + ")");
    }
    bool HasNotificationArea() const override { return notificationArea; }
    void NotifyIcon(std::int32_t message, const TrayIconData& icon) override {
        icons.push_back({message, icon});
        Record("NotifyIcon(" + std::to_string(message) + ")");
    }
    void ShowMainPopupMenuAtPointer() override { Record("ShowMainPopupMenuAtPointer"); }
    ScreenPoint WindowPosition(PlayerWindow window) const override {
        const auto it = positions.find(window);
        return it == positions.end() ? ScreenPoint{} : it->second;
    }

    struct IconCall {
        std::int32_t message;
        TrayIconData icon;
    };
    bool notificationArea = true;
    std::map<PlayerWindow, bool> visible;
    std::map<PlayerWindow, ScreenPoint> positions;
    std::vector<IconCall> icons;
    std::vector<std::string> calls;

private:
    static std::string Name(PlayerWindow window) {
        return window == PlayerWindow::Main ? "Main" : "Playlist";
    }
    void Record(std::string call) { calls.push_back(std::move(call)); }
};

} // namespace vantor::test
