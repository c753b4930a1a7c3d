#include "playlist/FolderScan.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "media/ZipMembers.h"
#include "playlist/PlayableExtensions.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
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

// Whether the file starts with a ZIP local file header. The walk of an
// archive stops at once without one, so every other file is settled by
// these four bytes instead of a mapping of the whole file. A FIFO given by
// name must not block the add, hence the non-blocking open.
bool StartsLikeZip(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    char head[4] = {};
    const auto got = ::pread(fd, head, sizeof head, 0);
    ::close(fd);
    return got == 4 && std::string_view(head, 4) == std::string_view("PK\x03\x04", 4);
}

class FolderScanner {
public:
    FolderScanner(PlaylistState& playlist, MessageBoxes& messages, FolderFiles files)
        : m_playlist(playlist), m_messages(messages), m_files(files) {}

    void Scan(const std::string& folder, bool recurse) {
        if (!FirstVisit(folder))
            return;
        const auto listing = ListFolder(folder);
        for (const auto& name : listing.files) {
            if (m_files == FolderFiles::NormalOnly && IsHiddenName(name))
                continue;
            if (IsMediaExtension(MatchPlayableExtension(name)))
                ProbeAndAppend(folder + name, m_playlist, m_messages);
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
    MessageBoxes& m_messages;
    FolderFiles m_files;
    std::set<std::pair<dev_t, ino_t>> m_visited;
};

} // namespace

void ProbeAndAppend(const std::string& path, PlaylistState& playlist, MessageBoxes& messages) {
    const auto scan = StartsLikeZip(path) ? ScanZipArchive(path, messages) : ZipScan{};
    for (const auto& member : scan.Members) {
        auto& spare = playlist.Spare();
        spare.Path = path;
        spare.MemberName = member.MemberName;
        spare.MemberStart = member.MemberStart;
        spare.MemberEnd = member.MemberEnd;
        playlist.AppendSpare();
    }
    if (scan.Result == 1)
        return;
    playlist.Spare().Path = path;
    playlist.AppendSpare();
}

void ScanFolder(const std::string& folder, bool recurse, PlaylistState& playlist,
                MessageBoxes& messages, FolderFiles files) {
    if (playlist.Playlist.empty())
        playlist.GrowSpare();
    FolderScanner(playlist, messages, files).Scan(EnsureTrailingSlash(folder), recurse);
}

} // namespace vantor
