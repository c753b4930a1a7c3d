#include "playlist/LocationResolver.h"

#include "base/Paths.h"
#include "base/StringUtil.h"

#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>

namespace vantor {

namespace {

bool StatIsRegular(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// "." and ".." components and doubled separators removed; most lines have
// none, and they skip the work.
std::string LexicallyNormal(std::string path) {
    const bool plain = path.find("/.") == std::string::npos &&
                       path.find("//") == std::string::npos && !path.starts_with("./") &&
                       !path.starts_with("../");
    return plain ? path : std::filesystem::path(path).lexically_normal().string();
}

} // namespace

const LocationResolver::Listing& LocationResolver::ListingOf(const std::string& folder) {
    const auto found = m_listings.find(folder);
    if (found != m_listings.end())
        return found->second;
    Listing listing;
    listing.spelled = folder;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        // The folder may differ from the disk in letter case.
        listing.spelled = EnsureTrailingSlash(ResolveStoredPath(folder, ""));
        dir = ::opendir(listing.spelled.c_str());
    }
    if (dir != nullptr) {
        listing.listed = true;
        while (const dirent* item = ::readdir(dir)) {
            const std::string name = item->d_name;
            listing.names.emplace(name, item->d_type);
            listing.lowerNames.emplace(AsciiLower(name), name);
        }
        ::closedir(dir);
    }
    return m_listings.emplace(folder, std::move(listing)).first->second;
}

bool LocationResolver::IsRegularFile(const std::string& folder, const std::string& name) {
    const auto& listing = ListingOf(folder);
    const auto found = listing.names.find(name);
    if (found == listing.names.end())
        return false;
    if (found->second == DT_REG)
        return true;
    if (found->second == DT_DIR)
        return false;
    return StatIsRegular(listing.spelled + name);
}

std::optional<std::string> LocationResolver::Resolve(std::string_view line,
                                                     const std::string& baseFolder) {
    // A NUL would cut the path short at the file system.
    if (line.empty() || line.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::string path = NormaliseSeparators(line);
    if (!IsAbsolutePath(path))
        path = EnsureTrailingSlash(baseFolder) + path;
    path = LexicallyNormal(std::move(path));
    const auto folder = FolderOf(path);
    const auto name = FileNameOf(path);
    if (folder.empty() || name.empty())
        return std::nullopt;
    const auto& listing = ListingOf(folder);
    if (!listing.listed)
        return StatIsRegular(path) ? std::optional<std::string>(path) : std::nullopt;
    if (IsRegularFile(folder, name))
        return listing.spelled + name;
    const auto lower = listing.lowerNames.find(AsciiLower(name));
    if (lower != listing.lowerNames.end() && IsRegularFile(folder, lower->second))
        return listing.spelled + lower->second;
    return std::nullopt;
}

} // namespace vantor
