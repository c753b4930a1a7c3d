#include "base/Paths.h"

#include "base/StringUtil.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace vantor {

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool DirectoryExists(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool PathExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::exists(path, error);
}

bool IsAbsolutePath(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

std::string NormaliseSeparators(std::string_view path) {
    std::string out(path);
    for (auto& c : out) {
        if (c == '\\')
            c = '/';
    }
    const bool hasDrive = out.size() >= 2 && out[1] == ':' &&
                          ((out[0] >= 'A' && out[0] <= 'Z') || (out[0] >= 'a' && out[0] <= 'z'));
    if (hasDrive)
        out.erase(0, 2);
    return out;
}

namespace {

std::vector<std::string> SplitComponents(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        if (end > start)
            parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The entry of `folder` whose name equals `name` ignoring case, if any.
std::string FindIgnoringCase(const std::string& folder, const std::string& name) {
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? "." : folder, error);
    if (error)
        return {};
    for (const auto& entry : it) {
        const auto candidate = entry.path().filename().string();
        if (EqualsIgnoreCase(candidate, name))
            return candidate;
    }
    return {};
}

// Matches `path` on disk ignoring case; empty when some component is missing.
std::string MatchIgnoringCase(const std::string& path) {
    std::string built = IsAbsolutePath(path) ? "/" : "";
    for (const auto& part : SplitComponents(path)) {
        if (part == "." || part == ".." || PathExists(built + part)) {
            built += part;
        } else {
            const auto spelled = FindIgnoringCase(built, part);
            if (spelled.empty())
                return {};
            built += spelled;
        }
        built += '/';
    }
    if (built.size() > 1 && path.back() != '/')
        built.pop_back();
    return built;
}

} // namespace

std::string ResolveStoredPath(std::string_view stored, std::string_view baseFolder) {
    std::string path = NormaliseSeparators(stored);
    if (path.empty())
        return path;
    if (!IsAbsolutePath(path) && !baseFolder.empty())
        path = EnsureTrailingSlash(NormaliseSeparators(baseFolder)) + path;
    if (PathExists(path))
        return path;
    auto matched = MatchIgnoringCase(path);
    return matched.empty() ? path : matched;
}

std::string NormalisedPath(const std::string& path) {
    const std::string folded = fs::path(path).lexically_normal().string();
    std::error_code error;
    return folded != path && fs::equivalent(folded, path, error) ? folded : path;
}

std::string ToLongPathName(std::string_view path) {
    if (path.starts_with("\\\\"))
        return std::string(path);
    const std::string normalised = NormaliseSeparators(path);
    if (PathExists(normalised))
        return normalised;
    auto matched = MatchIgnoringCase(normalised);
    return matched.empty() ? std::string(path) : matched;
}

std::string EnsureTrailingSlash(std::string_view folder) {
    std::string out(folder);
    if (out.empty() || out.back() != '/')
        out += '/';
    return out;
}

std::string FolderOf(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string FileNameOf(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FileTitleOf(std::string_view path) {
    auto name = FileNameOf(path);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

std::string ExtensionOf(std::string_view path) {
    const auto name = FileNameOf(path);
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string ProgramFolder() {
    std::error_code error;
    const auto self = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return EnsureTrailingSlash(fs::current_path(error).string());
    return EnsureTrailingSlash(self.parent_path().string());
}

std::string ProgramPath() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).string();
}

std::string ChooseAppFolder(const std::string& programFolder) {
    // An installed program's bin/ may be writable (root, a prefix such as
    // ~/.local) and still is no place for one user's settings.
    const bool installed = DirectoryExists(EnsureTrailingSlash(programFolder) + "../share/vantor");
    if (!installed && ::access(programFolder.c_str(), W_OK) == 0)
        return EnsureTrailingSlash(programFolder);
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/')
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        config = std::string(home) + "/.config";
    else
        config = "/tmp";
    const auto folder = EnsureTrailingSlash(config) + "vantor/";
    std::error_code error;
    fs::create_directories(folder, error);
    return folder;
}

} // namespace vantor
