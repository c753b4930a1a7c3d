#include "shell/XdgFileAssociations.h"

#include "base/AtomicFile.h"
#include "base/ByteReader.h"
#include "base/Paths.h"
#include "shell/AssociationMimeTypes.h"
#include "shell/DesktopEntry.h"
#include "shell/DesktopTools.h"
#include "shell/KeyFileText.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace vantor {

namespace {

constexpr std::string_view kDefaultGroup = "Default Applications";
constexpr std::string_view kPreviousGroup = "Previous Default Applications";

// The first desktop file ID of a mimeapps.list value ("a.desktop;b.desktop;").
std::string_view FirstId(const std::optional<std::string>& value) {
    if (!value)
        return {};
    const std::string_view list = *value;
    return list.substr(0, list.find(';'));
}

// A bare program name in `Exec` is found on PATH, as the desktop finds it.
std::string ResolvedProgram(const std::string& program) {
    if (program.find('/') != std::string::npos)
        return program;
    const char* path = std::getenv("PATH");
    std::string_view rest = path == nullptr ? "" : path;
    while (!rest.empty()) {
        const auto end = rest.find(':');
        const std::string candidate = EnsureTrailingSlash(rest.substr(0, end)) + program;
        if (FileExists(candidate))
            return candidate;
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    return program;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return a == b || fs::equivalent(a, b, error);
}

} // namespace

XdgFileAssociations::XdgFileAssociations(XdgFolders folders, std::string programPath)
    : m_folders(std::move(folders)), m_programPath(std::move(programPath)) {}

std::string XdgFileAssociations::PreviousHandlersList() const {
    return m_folders.configHome + "vantor/previous-handlers.list";
}

bool XdgFileAssociations::IsAssociated(const std::string& extension) const {
    const auto types = AssociationMimeTypes(extension);
    if (types.empty())
        return false;
    for (const auto type : types) {
        if (DefaultApplication(m_folders, std::string(type)) != kDesktopFileId)
            return false;
    }
    const auto entry = FindDesktopEntry(m_folders, std::string(kDesktopFileId));
    if (!entry)
        return false;
    const auto exec = KeyFileText::FromFile(*entry).Value("Desktop Entry", "Exec");
    const auto program = exec ? ExecProgram(*exec) : std::nullopt;
    return program && SameFile(ResolvedProgram(*program), m_programPath);
}

void XdgFileAssociations::Associate(const std::string& extension) {
    const auto types = AssociationMimeTypes(extension);
    if (types.empty())
        return;
    WriteDesktopEntry();
    WriteOwnMimeTypes();
    const std::string listPath = m_folders.UserMimeAppsList();
    KeyFileText list = KeyFileText::FromFile(listPath);
    KeyFileText previous = KeyFileText::FromFile(PreviousHandlersList());
    for (const auto type : types) {
        const auto current = list.Value(kDefaultGroup, type);
        if (FirstId(current) == kDesktopFileId)
            continue;
        previous.Set(kPreviousGroup, type, current.value_or(""));
        list.Set(kDefaultGroup, type, std::string(kDesktopFileId) + ";");
    }
    Store(PreviousHandlersList(), previous.Text());
    Store(listPath, list.Text());
}

void XdgFileAssociations::Unassociate(const std::string& extension) {
    const std::string listPath = m_folders.UserMimeAppsList();
    KeyFileText list = KeyFileText::FromFile(listPath);
    const KeyFileText previous = KeyFileText::FromFile(PreviousHandlersList());
    for (const auto type : AssociationMimeTypes(extension)) {
        if (FirstId(list.Value(kDefaultGroup, type)) != kDesktopFileId)
            continue;
        const auto handler = previous.Value(kPreviousGroup, type);
        if (handler && !handler->empty())
            list.Set(kDefaultGroup, type, *handler);
        else
            list.Remove(kDefaultGroup, type);
    }
    Store(listPath, list.Text());
}

void XdgFileAssociations::NotifyChanged() {
    if (!m_changed)
        return;
    m_changed = false;
    if (DirectoryExists(m_folders.UserApplications()))
        RunDesktopTool("update-desktop-database", {m_folders.UserApplications()});
    if (DirectoryExists(m_folders.UserMimeFolder() + "packages"))
        RunDesktopTool("update-mime-database", {m_folders.UserMimeFolder()});
}

void XdgFileAssociations::WriteDesktopEntry() {
    const auto types = AllAssociationMimeTypes();
    Store(m_folders.UserApplications() + std::string(kDesktopFileId),
          DesktopEntryText(m_programPath, types));
}

void XdgFileAssociations::WriteOwnMimeTypes() {
    Store(m_folders.UserMimeFolder() + "packages/vantor.xml", std::string(OwnMimeTypesXml()));
}

void XdgFileAssociations::Store(const std::string& path, const std::string& text) {
    std::error_code error;
    std::string target = path;
    if (fs::is_symlink(path, error)) {
        target = fs::weakly_canonical(path, error).string();
        if (error)
            return;
    }
    const auto old = ReadFileBytes(target);
    const std::string_view oldText =
        old ? std::string_view(reinterpret_cast<const char*>(old->data()), old->size()) : "";
    if (oldText == text)
        return;
    fs::create_directories(FolderOf(target), error);
    if (WriteFileAtomically(target, text))
        m_changed = true;
}

} // namespace vantor
