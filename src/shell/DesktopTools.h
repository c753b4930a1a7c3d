// Running the desktop's command-line tools that rebuild its caches
// (update-desktop-database, update-mime-database). Blocks until the tool
// ends; any thread.
#pragma once

#include <string>
#include <vector>

namespace vantor {

// Runs `program` (looked up on PATH) with `arguments`, its output discarded.
// False when it is not installed or does not end successfully.
bool RunDesktopTool(const std::string& program, const std::vector<std::string>& arguments);

} // namespace vantor
