// The shell's side of the two windows: visibility, stacking, the task bar,
// the tray icon (QSystemTrayIcon) and the main pop-up menu. Borrows the
// Player. UI thread only.
#pragma once

#include "platform/ShellWindows.h"

#include <QSystemTrayIcon>

#include <memory>

namespace vantor {

class Player;

class ShellBridge : public ShellWindows {
public:
    explicit ShellBridge(Player& player) : m_player(player) {}
    ~ShellBridge() override;

    void SetWindowPos(PlayerWindow window, std::int32_t insertAfter, std::uint32_t flags) override;
    void ShowWindow(PlayerWindow window, bool visible) override;
    bool IsWindowVisible(PlayerWindow window) const override;
    void SetForegroundWindow(PlayerWindow window) override;
    void SetMainWindowMinimised(bool minimised) override;
    void SetTaskbarVisible(bool visible) override;
    bool HasNotificationArea() const override;
    void NotifyIcon(std::int32_t message, const TrayIconData& icon) override;
    void ShowMainPopupMenuAtPointer() override;
    ScreenPoint WindowPosition(PlayerWindow window) const override;

    // What the tray shows; null while the player is not in the tray.
    QIcon TrayIcon() const { return m_tray ? m_tray->icon() : QIcon(); }

private:
    QWidget& Widget(PlayerWindow window) const;

    Player& m_player;
    std::unique_ptr<QSystemTrayIcon> m_tray;
};

} // namespace vantor
