// Which items of the main window's menus show a tick: read from the settings
// each time a menu is built, so a tick always tells what the setting holds,
// whoever changed it (a command, a skin, a click on the analyzer, the
// settings file at start). Any thread that owns the settings.
#pragma once

#include "settings/Settings.h"

#include <cstdint>
#include <string_view>

namespace vantor {

// Whether the item `name` (with `index` inside a group) is ticked.
bool MenuItemTicked(const Settings& settings, std::string_view name, std::int32_t index = -1);

} // namespace vantor
