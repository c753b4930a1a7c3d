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

} // namespace vantor
