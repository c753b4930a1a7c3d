#include "media/ModuleTitle.h"

#include "base/Paths.h"
#include "media/Id3Tags.h"

namespace vantor {

std::string ModuleTitle(SoundLibrary& sound, const std::string& path) {
    const SongHandle song = sound.FMUSIC_LoadSong(ShortPath(path));
    if (song == 0)
        return {};
    std::string name = sound.FMUSIC_GetName(song);
    sound.FMUSIC_StopSong(song);
    sound.FMUSIC_FreeSong(song);
    return StripNulsRight(std::move(name));
}

} // namespace vantor
