// The desktop's file and folder dialogs. Texts are UTF-8; a filter is the
// bar-separated list "Description|*.A;*.B|Description|*.C|" in the order
// the dialog offers it. Returned paths belong to the caller. UI thread only.
#pragma once

#include <string>
#include <vector>

namespace vantor {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // An open dialog for existing files, starting in `initialFolder` with an
    // empty file name. Returns the chosen files as absolute paths in the
    // order the dialog gives them; empty when cancelled.
    virtual std::vector<std::string> OpenFiles(const std::string& title, const std::string& filter,
                                               const std::string& initialFolder,
                                               bool multipleSelection) = 0;
    // A save dialog; the chosen path, or empty when cancelled. A name typed
    // without an extension gets the one of the filter chosen.
    virtual std::string SaveFile(const std::string& title, const std::string& filter,
                                 const std::string& initialFolder) = 0;
    // The folder picker with `initialFolder` preselected; the chosen
    // folder, or empty when cancelled.
    virtual std::string BrowseForFolder(const std::string& title,
                                        const std::string& initialFolder) = 0;
};

} // namespace vantor
