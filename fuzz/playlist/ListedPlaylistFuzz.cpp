// A list of another program (.m3u8, .pls or .xspf, chosen when the target is
// built), read with its locations resolved against a folder that holds a few
// real files. Every entry must name a file that exists (one of them, or any
// file of the machine a full path names), and every title must be UTF-8 the
// rows can draw.
#include "FilledFolder.h"
#include "base/Paths.h"
#include "base/TextEncoding.h"
#include "playlist/PlayableExtensions.h"
#include "playlist/PlaylistFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const std::string& Folder() {
    static const std::string folder = FilledFolder({"a.flac", "b c.opus", "d%.m4a"});
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vantor::PlaylistState playlist;
    playlist.ResetToSpare();
    vantor::ReadListedText(VANTOR_LIST_EXTENSION, bytes, Folder(), playlist);
    playlist.TrimSpare();
    for (std::int32_t i = 0; i < playlist.EntryCount(); ++i) {
        const auto& entry = playlist.Playlist[static_cast<std::size_t>(i)];
        if (!vantor::FileExists(entry.Path) || !vantor::IsValidUtf8(entry.PendingTitle))
            std::abort();
    }
    return 0;
}
