#include "app/ShellBridge.h"

#include "app/Player.h"
#include "app/PopupMenus.h"
#include "app/ProgramIcon.h"
#include "shell/TrayBehaviour.h"

#include <QCursor>

namespace vantor {

namespace {

// The tray reports clicks as the mouse messages the player's tray logic
// knows: left button up, left double click and right button down.
constexpr std::int32_t kLeftButtonUp = 514;
constexpr std::int32_t kLeftDoubleClick = 515;
constexpr std::int32_t kRightButtonDown = 516;

} // namespace

ShellBridge::~ShellBridge() = default;

QWidget& ShellBridge::Widget(PlayerWindow window) const {
    return window == PlayerWindow::Main ? static_cast<QWidget&>(m_player.mainWindow.Widget())
                                        : m_player.playlistWindowBridge.Widget();
}

void ShellBridge::SetWindowPos(PlayerWindow window, std::int32_t insertAfter, std::uint32_t) {
    QWidget& widget = Widget(window);
    const bool wasVisible = widget.isVisible();
    widget.setWindowFlag(Qt::WindowStaysOnTopHint, insertAfter == -1);
    // Changing a window flag hides the window; it keeps its place.
    if (wasVisible)
        widget.show();
}

void ShellBridge::ShowWindow(PlayerWindow window, bool visible) {
    QWidget& widget = Widget(window);
    // A window the desktop minimised before it went into the tray would come
    // back as a task-bar button only.
    if (visible && widget.isMinimized())
        widget.showNormal();
    else
        widget.setVisible(visible);
}

bool ShellBridge::IsWindowVisible(PlayerWindow window) const {
    return Widget(window).isVisible();
}

void ShellBridge::SetForegroundWindow(PlayerWindow window) {
    QWidget& widget = Widget(window);
    widget.raise();
    widget.activateWindow();
}

void ShellBridge::SetMainWindowMinimised(bool minimised) {
    QWidget& widget = Widget(PlayerWindow::Main);
    if (minimised)
        widget.showMinimized();
    else
        widget.showNormal();
}

void ShellBridge::SetTaskbarVisible(bool visible) {
    QWidget& widget = Widget(PlayerWindow::Main);
    const bool wasVisible = widget.isVisible();
    widget.setWindowFlag(Qt::Tool, !visible);
    if (wasVisible)
        widget.show();
}

bool ShellBridge::HasNotificationArea() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void ShellBridge::NotifyIcon(std::int32_t message, const TrayIconData& icon) {
    if (message == 2) {
        m_tray.reset();
        return;
    }
    m_tray = std::make_unique<QSystemTrayIcon>(ProgramIcon());
    m_tray->setToolTip(QString::fromStdString(icon.tip));
    QObject::connect(m_tray.get(), &QSystemTrayIcon::activated, [this](auto reason) {
        std::int32_t code = 0;
        if (reason == QSystemTrayIcon::Trigger)
            code = kLeftButtonUp;
        else if (reason == QSystemTrayIcon::DoubleClick)
            code = kLeftDoubleClick;
        else if (reason == QSystemTrayIcon::Context)
            code = kRightButtonDown;
        HandleTrayEvent(m_player.settings, *this, code);
    });
    m_tray->show();
}

void ShellBridge::ShowMainPopupMenuAtPointer() {
    ShowMainPopup(m_player, QCursor::pos());
}

ScreenPoint ShellBridge::WindowPosition(PlayerWindow window) const {
    const QPoint at = Widget(window).pos();
    return {at.x(), at.y()};
}

} // namespace vantor
