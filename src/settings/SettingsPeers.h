// What loading and saving the settings reach into outside the settings
// themselves: the windows, the effect chain, the skin dialog, the playback
// state and the default playlist. The application implements it; the
// defaults make a player with no windows (vantor-tool, tests). UI thread.
#pragma once

#include "settings/Settings.h"

#include <optional>
#include <string>

namespace vantor {

class SettingsPeers {
public:
    virtual ~SettingsPeers() = default;

    // After a load and its fix-ups: window positions, menu ticks, the
    // song-information font, timer intervals, the dialogs' start folders,
    // and the analyzer pattern when no file existed.
    virtual void ApplyLoadedSettings(const Settings& /*settings*/, bool /*fileExisted*/) {}
    // Before a save: the effect chain follows the effect fields again.
    virtual void ReapplyEffectChain(const Settings& /*settings*/) {}
    // The file chosen in the skin open dialog, if the dialog holds one.
    virtual std::optional<std::string> ChosenSkinFileName() const { return std::nullopt; }
    // The playlist entry to resume next time (-1 when the playlist is empty).
    virtual std::int32_t CurrentSongIndexToSave() const { return -1; }
    // Writes the default playlist (an empty file when the playlist is empty).
    virtual bool SaveDefaultPlaylist(const std::string& /*path*/) { return true; }
};

// Start-up: fills `settings` from AppFolder's "Vantor.DVC" (or the defaults)
// and hands the result to the peers. Returns whether the file existed.
bool LoadSettings(Settings& settings, const std::string& appFolder,
                  const DefaultWindowPositions& windows, SettingsPeers& peers);

// Writes "Vantor.DVC" whole, then the default playlist. False when the
// settings file could not be written (the previous one is then untouched).
bool SaveSettings(Settings& settings, const std::string& appFolder, SettingsPeers& peers);

} // namespace vantor
