// Reading and writing the settings file "Vantor.DVC". The text functions are
// pure; the file functions touch only the one file they are given. UI thread.
#pragma once

#include "settings/Settings.h"

#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::string_view kConfigFileName = "Vantor.DVC";
inline constexpr std::string_view kDefaultPlaylistFileName = "Vantor.m3u";

// Reads key/value pairs from the text of a settings file into `settings`:
// unknown keys, other lines and bad numbers are skipped, the affected fields
// keep what they had. No fix-ups.
void ReadSettingsText(std::string_view text, Settings& settings);

// The whole file as it is written, CR LF line ends. "<SkinFile Path>" is
// written relative to `appFolder` when the skin lies inside it.
std::string WriteSettingsText(const Settings& settings, const std::string& appFolder);

struct LoadedSettings {
    Settings settings;
    bool fileExisted = false;
};

// Loads a settings file as the player does: defaults when it is missing,
// otherwise the pairs it holds over a zero record; fix-ups always.
LoadedSettings LoadSettingsFile(const std::string& path, const std::string& appFolder,
                                const DefaultWindowPositions& windows);

// Writes the file atomically; false when it could not be written.
bool SaveSettingsFile(const std::string& path, const Settings& settings,
                      const std::string& appFolder);

} // namespace vantor
