// Where the desktop keeps the user's and the system's file-type settings,
// after the XDG base directory rules, and the default application those
// settings choose for a MIME type. Plain data and pure lookups; any thread.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantor {

struct XdgFolders {
    // Every folder ends in '/'.
    std::string configHome;
    std::vector<std::string> configDirs;
    std::string dataHome;
    std::vector<std::string> dataDirs;
    // The names in XDG_CURRENT_DESKTOP, in lower case ("gnome", "kde").
    std::vector<std::string> desktops;

    // From XDG_CONFIG_HOME, XDG_CONFIG_DIRS, XDG_DATA_HOME, XDG_DATA_DIRS,
    // XDG_CURRENT_DESKTOP and HOME, with the standard's defaults.
    static XdgFolders FromEnvironment();

    std::string UserMimeAppsList() const { return configHome + "mimeapps.list"; }
    std::string UserApplications() const { return dataHome + "applications/"; }
    std::string UserMimeFolder() const { return dataHome + "mime/"; }
};

// The path of the desktop entry with the given desktop file ID, the user's
// before the system's, or nullopt when none is installed.
std::optional<std::string> FindDesktopEntry(const XdgFolders& folders, const std::string& id);

// The desktop file ID of the default application for `mimeType`: the first
// installed one named in [Default Applications] of the mimeapps.list files,
// desktop-specific files first in each folder, the user's folders first.
// Empty when no list names one.
std::string DefaultApplication(const XdgFolders& folders, const std::string& mimeType);

} // namespace vantor
