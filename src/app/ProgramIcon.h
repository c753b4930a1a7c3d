// The program's own icon, which every window, the task bar and the tray show.
#pragma once

#include <QIcon>

namespace vantor {

// The desktop theme's "vantor" icon where the program is installed; the icon
// built into the program otherwise, so a player run from its build folder
// looks the same.
QIcon ProgramIcon();

} // namespace vantor
