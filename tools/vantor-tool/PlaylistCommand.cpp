// vantor-tool playlist FILE [--save OUT]: adds FILE (a media file, a folder,
// or a list: .m3u, .dvl, .m3u8, .pls, .xspf) the way the player adds a file
// named on its command line in open mode, lists the entries, and optionally
// writes them as a playlist file.
#include "Commands.h"

#include "base/Paths.h"
#include "playlist/AddFiles.h"
#include "playlist/HeadlessPlaylist.h"
#include "playlist/PlaylistFile.h"
#include "playlist/PlaylistText.h"
#include "settings/Settings.h"

#include <filesystem>
#include <ostream>

namespace vantor::tool {

namespace {

constexpr std::string_view kUsage = "usage: vantor-tool playlist FILE [--save OUT]\n";

// Every field of the entry in record order, then the title another
// program's list gave it.
void PrintEntry(const PlaylistEntry& entry, std::ostream& out) {
    out << entry.Path << " | " << entry.MemberName << " | " << EscapeLineBreaks(entry.Title)
        << " | " << entry.MemberStart << " | " << entry.MemberEnd << " | " << entry.LengthText
        << " | " << FormatStoredLength(entry.LengthMs) << " | " << entry.Played << " | "
        << entry.IsCdTrack << " | " << entry.CdDrive << " | " << entry.CdTrack << " | "
        << entry.PendingTitle << "\n";
}

// The player receives command-line names as absolute paths.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

} // namespace

int RunPlaylist(Args args, std::ostream& out, std::ostream& err) {
    const bool save = args.size() == 3 && args[1] == "--save";
    if (args.size() != 1 && !save) {
        err << kUsage;
        return 2;
    }
    HeadlessPlaylist player(err);
    player.settings = DefaultSettings(ProgramFolder(), {});
    AddFiles(player.context, kOpenMode, AddSource::CommandLine, {AbsolutePath(args[0])});
    for (std::int32_t i = 0; i < player.state.EntryCount(); ++i)
        PrintEntry(player.state.Playlist[static_cast<std::size_t>(i)], out);
    if (save && !SavePlaylistFile(AbsolutePath(args[2]), player.state)) {
        err << "vantor-tool: cannot write " << args[2] << "\n";
        return 1;
    }
    return 0;
}

} // namespace vantor::tool
