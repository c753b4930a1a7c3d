// The association page's file types on the XDG file-type database: the
// user's desktop entry for the running program, the [Default Applications]
// of the user's mimeapps.list, and the program's own MIME types. The default
// handler a type had before the program took it over is kept in
// $XDG_CONFIG_HOME/vantor/previous-handlers.list. UI thread only.
#pragma once

#include "platform/FileAssociations.h"
#include "shell/XdgFolders.h"

#include <string>

namespace vantor {

class XdgFileAssociations final : public FileAssociations {
public:
    // `programPath`: the program the desktop is to start, as it runs now.
    XdgFileAssociations(XdgFolders folders, std::string programPath);

    // The default of every MIME type of `extension` is the program's desktop
    // entry, and that entry starts this copy of the program.
    bool IsAssociated(const std::string& extension) const override;
    // Writes the desktop entry and the program's MIME types, remembers each
    // type's previous handler in the user's list (unless that was the program
    // itself) and makes the program the default.
    void Associate(const std::string& extension) override;
    // Where the program is the user's default, puts the remembered handler
    // back, or takes the program's line out when there was none. A type some
    // other program handles now is left alone.
    void Unassociate(const std::string& extension) override;
    // Rebuilds the desktop's caches of the user's folders after a change,
    // where the tools for it are installed.
    void NotifyChanged() override;

    const XdgFolders& Folders() const { return m_folders; }
    std::string PreviousHandlersList() const;

private:
    void WriteDesktopEntry();
    void WriteOwnMimeTypes();
    // Writes `text` to `path` atomically when it differs from what is there,
    // through a symbolic link to the file it names.
    void Store(const std::string& path, const std::string& text);

    XdgFolders m_folders;
    std::string m_programPath;
    bool m_changed = false;
};

} // namespace vantor
