// Path rules for stored Windows-style paths on Linux. Paths are UTF-8 with
// '/' separators; folders returned by these helpers end in '/'. Any thread.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool PathExists(const std::string& path);
bool IsAbsolutePath(std::string_view path);

// Backslashes become '/', and a leading drive ("C:") is dropped so that
// "C:\Music\a.mp3" reads as "/Music/a.mp3".
std::string NormaliseSeparators(std::string_view path);

// A path read from a skin, playlist or settings file: separators normalised,
// a relative path taken against `baseFolder`, then matched on disk as given
// or, failing that, component by component ignoring letter case. Returns the
// path as it exists on disk, or the normalised path when nothing matches.
std::string ResolveStoredPath(std::string_view stored, std::string_view baseFolder);

// `path` with its "." and ".." components folded away, so that a path built
// from relative steps does not grow with each step; as given when the folded
// path would name another file (a ".." after a symbolic link) or none.
std::string NormalisedPath(const std::string& path);

// Each component spelled as the file system lists it; `path` unchanged when
// it does not exist or starts with two backslashes.
std::string ToLongPathName(std::string_view path);

// The path every file is opened by; on Linux the path itself.
inline std::string ShortPath(std::string_view path) {
    return std::string(path);
}

std::string EnsureTrailingSlash(std::string_view folder);
// Folder part including its trailing '/', or empty when there is none.
std::string FolderOf(std::string_view path);
std::string FileNameOf(std::string_view path);
// File name without its last extension.
std::string FileTitleOf(std::string_view path);
// The extension after the last '.' of the file name, without the dot.
std::string ExtensionOf(std::string_view path);

// The folder holding the running program, with a trailing '/'.
std::string ProgramFolder();
// The running program file itself.
std::string ProgramPath();

// Where the player keeps "Vantor.DVC" and "Vantor.m3u": the program's folder
// when it is writable (a portable or build-tree run), otherwise, and always
// for an installed program (its data in ../share/vantor/),
// $XDG_CONFIG_HOME/vantor/ (~/.config/vantor/), created on demand.
std::string ChooseAppFolder(const std::string& programFolder);

} // namespace vantor
