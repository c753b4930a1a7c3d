// The main window's menus as data: item names, captions, displayed
// shortcut letters, check items and separators, in the order shown. The
// windows build their menus from it. Constant data; any thread.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vantor {

enum class MenuItemKind { Command, Check, Radio, Separator, Submenu };

struct MenuItem {
    std::string_view name;
    // The index inside a group of items sharing one name; -1 outside a group.
    std::int32_t index = -1;
    std::string_view caption;
    // The shortcut letter shown beside the caption; 0 for none.
    char shortcut = 0;
    MenuItemKind kind = MenuItemKind::Command;
    std::vector<MenuItem> children;
};

// `Mnu_pop`, the main window's pop-up menu.
const MenuItem& MainPopupMenu();
// `Mnu_Pop2`, the analyzer field's pop-up.
const MenuItem& AnalyzerPopupMenu();
// `Mnu_Pop3`, the song-information field's pop-up.
const MenuItem& SongInfoPopupMenu();

// The item `name` (with `index` inside a group) anywhere below `menu`.
const MenuItem* FindMenuItem(const MenuItem& menu, std::string_view name, std::int32_t index = -1);

} // namespace vantor
