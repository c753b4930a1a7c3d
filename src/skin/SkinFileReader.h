// Walks a skin definition file statement by statement, following
// "IncludeDVK" at the point it appears, and resolves the Path values of the
// statements. The process-wide current directory the format relies on is
// modelled as this object's state: parsing a file moves it to the file's
// folder and leaves it there, so an including file's later paths are tried
// first against the folder of the file it included. Not thread-safe; the
// owner keeps one reader per skin application. UI thread.
#pragma once

#include "skin/SkinKeywords.h"
#include "skin/SkinLine.h"

#include <string>
#include <vector>

namespace vantor {

// What a handler knows about the file a statement comes from.
struct SkinFileContext {
    std::string path;
    std::string folder;
};

class SkinStatementHandler {
public:
    virtual ~SkinStatementHandler() = default;
    virtual void OnMissingFile(const std::string& path) = 0;
    virtual void OnUnknownKeyword(const SkinFileContext& file, int lineNumber,
                                  const std::string& lowerKeyword) = 0;
    // A known keyword other than "IncludeDVK", which the reader follows itself.
    virtual void OnStatement(const SkinKeyword& keyword, const SkinLine& line,
                             const SkinFileContext& file) = 0;
};

class SkinFileReader {
public:
    // Nesting bound on top of the open-file guard, so that a chain of distinct
    // files cannot exhaust the stack either.
    static constexpr int kMaxIncludeDepth = 32;
    // Skin files are short texts; anything beyond this is not read.
    static constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

    // Parses `path` (a Linux path) and hands every statement to `handler`.
    // False when the file does not exist.
    bool ReadFile(const std::string& path, SkinStatementHandler& handler);

    // A Path value: first as given against the current directory, then
    // against the folder of the file being parsed. Empty when neither names
    // an existing file.
    std::string ResolvePath(const std::string& value, const std::string& skinFolder) const;

    // Parses the text of a file that has already been read; `file` names it.
    void ReadText(const std::string& text, const SkinFileContext& file,
                  SkinStatementHandler& handler);

    const std::string& CurrentDirectory() const { return m_currentDirectory; }
    void SetCurrentDirectory(std::string folder) { m_currentDirectory = std::move(folder); }

private:
    bool IsOpen(const std::string& identity) const;

    std::string m_currentDirectory;
    std::vector<std::string> m_openFiles;
};

} // namespace vantor
