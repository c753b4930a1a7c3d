// Any playlist file, read with its locations resolved against a folder that
// holds a few real files, then written back and read again.
#include "FilledFolder.h"
#include "playlist/PlaylistFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const std::string& Folder() {
    static const std::string folder = FilledFolder({"a.mp3", "B.ogg", "pack.zip"});
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vantor::PlaylistState playlist;
    playlist.ResetToSpare();
    vantor::ReadPlaylistText(bytes, Folder(), playlist);
    playlist.TrimSpare();

    const auto text = vantor::FormatPlaylistText(playlist, Folder());
    vantor::PlaylistState again;
    again.ResetToSpare();
    vantor::ReadPlaylistText(text, Folder(), again);
    again.TrimSpare();
    if (again.Playlist.size() != playlist.Playlist.size())
        std::abort();
    return 0;
}
