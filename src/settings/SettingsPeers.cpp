#include "settings/SettingsPeers.h"

#include "base/Paths.h"
#include "settings/ConfigFile.h"

namespace vantor {

bool LoadSettings(Settings& settings, const std::string& appFolder,
                  const DefaultWindowPositions& windows, SettingsPeers& peers) {
    auto loaded = LoadSettingsFile(appFolder + std::string(kConfigFileName), appFolder, windows);
    settings = std::move(loaded.settings);
    peers.ApplyLoadedSettings(settings, loaded.fileExisted);
    return loaded.fileExisted;
}

bool SaveSettings(Settings& settings, const std::string& appFolder, SettingsPeers& peers) {
    peers.ReapplyEffectChain(settings);
    if (const auto chosen = peers.ChosenSkinFileName()) {
        // The folder of the chosen skin, or the whole name when it is gone.
        settings.RecentSkinFileFolder = FileExists(*chosen) ? FolderOf(*chosen) : *chosen;
    }
    settings.CurrentSongIndex = peers.CurrentSongIndexToSave();
    if (!SaveSettingsFile(appFolder + std::string(kConfigFileName), settings, appFolder))
        return false;
    peers.SaveDefaultPlaylist(appFolder + std::string(kDefaultPlaylistFileName));
    return true;
}

} // namespace vantor
