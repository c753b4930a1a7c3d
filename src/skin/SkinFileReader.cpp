#include "skin/SkinFileReader.h"

#include "base/ByteReader.h"
#include "base/Paths.h"
#include "base/StringUtil.h"
#include "base/TextEncoding.h"

#include <algorithm>
#include <filesystem>

namespace vantor {
namespace {

// One spelling per file, so that "a/../x.dvk" and "x.dvk" count as the same
// open file for the include guard.
std::string FileIdentity(const std::string& path) {
    std::error_code error;
    const auto canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

class OpenFileScope {
public:
    OpenFileScope(std::vector<std::string>& openFiles, std::string identity)
        : m_openFiles(openFiles) {
        m_openFiles.push_back(std::move(identity));
    }
    ~OpenFileScope() { m_openFiles.pop_back(); }
    OpenFileScope(const OpenFileScope&) = delete;
    OpenFileScope& operator=(const OpenFileScope&) = delete;

private:
    std::vector<std::string>& m_openFiles;
};

} // namespace

std::string SkinFileReader::ResolvePath(const std::string& value,
                                        const std::string& skinFolder) const {
    if (value.empty())
        return {};
    for (const std::string* base : {&m_currentDirectory, &skinFolder}) {
        const std::string candidate = ResolveStoredPath(value, *base);
        if (FileExists(candidate))
            return NormalisedPath(candidate);
    }
    return {};
}

bool SkinFileReader::IsOpen(const std::string& identity) const {
    return std::find(m_openFiles.begin(), m_openFiles.end(), identity) != m_openFiles.end();
}

bool SkinFileReader::ReadFile(const std::string& path, SkinStatementHandler& handler) {
    if (!FileExists(path)) {
        handler.OnMissingFile(path);
        return false;
    }
    const std::string identity = FileIdentity(path);
    // A file that includes itself, directly or through others, is read once
    // per chain; the repeated include is dropped like a missing file.
    if (IsOpen(identity) || static_cast<int>(m_openFiles.size()) >= kMaxIncludeDepth)
        return true;
    const auto bytes = ReadFileBytes(path, 0, kMaxFileBytes);
    if (!bytes)
        return true;
    const SkinFileContext file{path, FolderOf(path)};
    m_currentDirectory = file.folder;
    OpenFileScope scope(m_openFiles, identity);
    ReadText(std::string(bytes->begin(), bytes->end()), file, handler);
    return true;
}

void SkinFileReader::ReadText(const std::string& text, const SkinFileContext& file,
                              SkinStatementHandler& handler) {
    const auto lines = SplitLines(text);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (IsSkinCommentLine(lines[index]))
            continue;
        const SkinLine line = SplitSkinLine(TrimBlanks(LegacyToUtf8(lines[index])));
        const SkinKeyword* keyword = FindSkinKeyword(line.keyword);
        if (keyword == nullptr) {
            handler.OnUnknownKeyword(file, static_cast<int>(index + 1), AsciiLower(line.keyword));
        } else if (keyword->action == SkinAction::IncludeDVK) {
            const std::string included = ResolvePath(line.rest, file.folder);
            if (!included.empty())
                ReadFile(included, handler);
        } else {
            handler.OnStatement(*keyword, line, file);
        }
    }
}

} // namespace vantor
