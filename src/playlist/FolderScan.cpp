#include "playlist/FolderScan.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "playlist/PlayableExtensions.h"

#include <algorithm>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace vantor {

namespace {

struct FolderListing {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

bool IsHiddenName(const std::string& name) {
    return name.starts_with('.');
}

// Sorted ignoring case, then by bytes, so a scan is repeatable whatever
// order the file system keeps.
void SortNames(std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& name : names)
        keyed.emplace_back(AsciiLower(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

// Regular files (a FIFO or device named "x.mp3" must never be opened) and
// folders of one folder; symbolic links count as what they point to.
FolderListing ListFolder(const std::string& folder) {
    FolderListing listing;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return listing;
    while (const dirent* item = ::readdir(dir)) {
        const std::string name = item->d_name;
        if (name == "." || name == "..")
            continue;
        unsigned char type = item->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            struct stat info {};
            if (::stat((folder + name).c_str(), &info) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_REG)
            listing.files.push_back(name);
        else if (type == DT_DIR)
            listing.folders.push_back(name);
    }
    ::closedir(dir);
    SortNames(listing.files);
    SortNames(listing.folders);
    return listing;
}

class FolderScanner {
public:
    FolderScanner(PlaylistState& playlist, MediaProbe& media, FolderFiles files)
        : m_playlist(playlist), m_media(media), m_files(files) {}

    void Scan(const std::string& folder, bool recurse) {
        if (!FirstVisit(folder))
            return;
        const auto listing = ListFolder(folder);
        for (const auto& name : listing.files) {
            if (m_files == FolderFiles::NormalOnly && IsHiddenName(name))
                continue;
            if (MatchPlayableExtension(name, kFirstPlaylistExtension) != kNoExtensionMatch)
                ProbeAndAppend(folder + name, m_playlist, m_media);
        }
        if (!recurse)
            return;
        for (const auto& name : listing.folders)
            Scan(folder + name + "/", true);
    }

private:
    bool FirstVisit(const std::string& folder) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) != 0)
            return false;
        return m_visited.emplace(info.st_dev, info.st_ino).second;
    }

    PlaylistState& m_playlist;
    MediaProbe& m_media;
    FolderFiles m_files;
    std::set<std::pair<dev_t, ino_t>> m_visited;
};

} // namespace

void ProbeAndAppend(const std::string& path, PlaylistState& playlist, MediaProbe& media) {
    if (media.ScanZipArchive(path, playlist))
        return;
    playlist.Spare().Path = path;
    playlist.AppendSpare();
}

void ScanFolder(const std::string& folder, bool recurse, PlaylistState& playlist, MediaProbe& media,
                FolderFiles files) {
    if (playlist.Playlist.empty())
        playlist.GrowSpare();
    FolderScanner(playlist, media, files).Scan(EnsureTrailingSlash(folder), recurse);
}

} // namespace vantor
