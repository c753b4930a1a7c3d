#include "core/PlaylistLink.h"

namespace vantor {

void LinkPlaylistWindow(Settings& settings, const ShellWindows& windows, CommandHost& host) {
    const ScreenPoint main = windows.WindowPosition(PlayerWindow::Main);
    const ScreenPoint playlist = windows.WindowPosition(PlayerWindow::Playlist);
    settings.PlayListLinkMode = 1;
    settings.PlayListLinkX = playlist.x - main.x;
    settings.PlayListLinkY = playlist.y - main.y;
    host.DrawLinkButton(true);
}

} // namespace vantor
