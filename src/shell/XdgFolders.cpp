#include "shell/XdgFolders.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "shell/KeyFileText.h"

#include <cstdlib>

namespace vantor {

namespace {

constexpr std::string_view kDefaultGroup = "Default Applications";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::vector<std::string> SplitList(std::string_view text, char separator) {
    std::vector<std::string> items;
    while (!text.empty()) {
        const auto end = text.find(separator);
        if (end != 0)
            items.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return items;
}

// A relative folder is invalid under the base directory rules and ignored.
std::vector<std::string> FolderList(const char* variable, std::string_view fallback) {
    const std::string value = Environment(variable);
    std::vector<std::string> folders;
    for (const auto& item : SplitList(value.empty() ? fallback : std::string_view(value), ':')) {
        if (item.front() == '/')
            folders.push_back(EnsureTrailingSlash(item));
    }
    return folders;
}

std::string HomeFolder(const char* variable, std::string_view underHome) {
    const std::string value = Environment(variable);
    if (!value.empty() && value.front() == '/')
        return EnsureTrailingSlash(value);
    return EnsureTrailingSlash(Environment("HOME")) + std::string(underHome);
}

// The mimeapps.list files, highest precedence first.
std::vector<std::string> MimeAppsLists(const XdgFolders& folders) {
    std::vector<std::string> places{folders.configHome};
    places.insert(places.end(), folders.configDirs.begin(), folders.configDirs.end());
    places.push_back(folders.dataHome + "applications/");
    for (const auto& dir : folders.dataDirs)
        places.push_back(dir + "applications/");
    std::vector<std::string> lists;
    for (const auto& place : places) {
        for (const auto& desktop : folders.desktops)
            lists.push_back(place + desktop + "-mimeapps.list");
        lists.push_back(place + "mimeapps.list");
    }
    return lists;
}

} // namespace

XdgFolders XdgFolders::FromEnvironment() {
    XdgFolders folders;
    folders.configHome = HomeFolder("XDG_CONFIG_HOME", ".config/");
    folders.configDirs = FolderList("XDG_CONFIG_DIRS", "/etc/xdg");
    folders.dataHome = HomeFolder("XDG_DATA_HOME", ".local/share/");
    folders.dataDirs = FolderList("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    for (const auto& desktop : SplitList(Environment("XDG_CURRENT_DESKTOP"), ':'))
        folders.desktops.push_back(AsciiLower(desktop));
    return folders;
}

std::optional<std::string> FindDesktopEntry(const XdgFolders& folders, const std::string& id) {
    std::vector<std::string> dirs{folders.dataHome};
    dirs.insert(dirs.end(), folders.dataDirs.begin(), folders.dataDirs.end());
    // An ID "vendor-name.desktop" may also name "vendor/name.desktop".
    std::vector<std::string> names{id};
    if (const auto dash = id.find('-'); dash != std::string::npos)
        names.push_back(id.substr(0, dash) + "/" + id.substr(dash + 1));
    for (const auto& dir : dirs) {
        for (const auto& name : names) {
            if (FileExists(dir + "applications/" + name))
                return dir + "applications/" + name;
        }
    }
    return std::nullopt;
}

std::string DefaultApplication(const XdgFolders& folders, const std::string& mimeType) {
    for (const auto& list : MimeAppsLists(folders)) {
        const auto value = KeyFileText::FromFile(list).Value(kDefaultGroup, mimeType);
        if (!value)
            continue;
        for (const auto& id : SplitList(*value, ';')) {
            if (FindDesktopEntry(folders, id))
                return id;
        }
    }
    return {};
}

} // namespace vantor
