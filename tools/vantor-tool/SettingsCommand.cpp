// vantor-tool settings dump FILE | settings write FILE
#include "Commands.h"

#include "base/Paths.h"
#include "core/PlaybackCore.h"
#include "core/Startup.h"
#include "playlist/PlaylistFile.h"
#include "settings/ConfigFile.h"
#include "settings/SettingsKeys.h"

#include <ostream>

namespace vantor::tool {

namespace {

// The folder of FILE plays the part of AppFolder, as if the player lived there.
LoadedSettings LoadLikeThePlayer(const std::string& file) {
    const auto folder = FolderOf(file).empty() ? std::string("./") : FolderOf(file);
    return LoadSettingsFile(file, folder, DefaultWindowPositions{});
}

int Dump(const std::string& file, std::ostream& out) {
    const auto loaded = LoadLikeThePlayer(file);
    for (const auto& key : SettingKeys()) {
        if (key.written)
            out << key.fieldName << " = " << DisplaySettingValue(loaded.settings, key) << "\n";
    }
    return 0;
}

// The entry the player saves after starting in `folder`: its default
// playlist comes back at the remembered entry, and an empty one saves none.
std::int32_t SongIndexThePlayerSaves(const Settings& settings, const std::string& folder) {
    PlaylistState playlist;
    PlayerState player;
    const std::int32_t count =
        LoadDefaultPlaylist(folder + std::string(kDefaultPlaylistFileName), playlist);
    player.currentIndex() = RestoredIndex(settings.CurrentSongIndex, count);
    return SongIndexToSave(player, playlist);
}

int Write(const std::string& file, std::ostream& err) {
    auto loaded = LoadLikeThePlayer(file);
    const auto folder = FolderOf(file).empty() ? std::string("./") : FolderOf(file);
    loaded.settings.CurrentSongIndex = SongIndexThePlayerSaves(loaded.settings, folder);
    if (!SaveSettingsFile(file, loaded.settings, folder)) {
        err << "vantor-tool: cannot write " << file << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int RunSettings(Args args, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && args[0] == "dump")
        return Dump(args[1], out);
    if (args.size() == 2 && args[0] == "write")
        return Write(args[1], err);
    err << "usage: vantor-tool settings dump FILE | settings write FILE\n";
    return 2;
}

} // namespace vantor::tool
