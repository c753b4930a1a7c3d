// The player's pop-up menus, built from the menu data each time they open,
// with the ticks the settings hold then. Choosing an item runs its command.
// UI thread only.
#pragma once

#include <QPoint>

namespace vantor {

class Player;
struct MenuItem;

void ShowMenu(Player& player, const MenuItem& menu, QPoint at);
void ShowMainPopup(Player& player, QPoint at);
// A right click at `local` in the main window: the analyzer area and the
// song information have pop-ups of their own, the rest of the window the
// main one. `global` is where it opens.
void ShowMainWindowPopup(Player& player, QPoint local, QPoint global);

} // namespace vantor
