// Answers file dialogs with prepared results and records what was asked.
#pragma once

#include "platform/FileDialogs.h"

#include <string>
#include <vector>

namespace vantor::test {

struct AskedDialog {
    std::string kind;
    std::string title;
    std::string filter;
    std::string initialFolder;
};

class FakeFileDialogs : public FileDialogs {
public:
    std::vector<std::string> OpenFiles(const std::string& title, const std::string& filter,
                                       const std::string& initialFolder,
                                       bool multipleSelection) override {
        asked.push_back(
            {multipleSelection ? "open-multiple" : "open", title, filter, initialFolder});
        return openResult;
    }
    std::string SaveFile(const std::string& title, const std::string& filter,
                         const std::string& initialFolder) override {
        asked.push_back({"save", title, filter, initialFolder});
        return saveResult;
    }
    std::string BrowseForFolder(const std::string& title,
                                const std::string& initialFolder) override {
        asked.push_back({"folder", title, "", initialFolder});
        return folderResult;
    }

    std::vector<std::string> openResult;
    std::string saveResult;
    std::string folderResult;
    std::vector<AskedDialog> asked;
};

} // namespace vantor::test
