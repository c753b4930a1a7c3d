#include "settings/dialog/ChooseButtons.h"

#include "base/Paths.h"

namespace vantor {

std::string ChooseSkinFolder(FileDialogs& dialogs, const std::string& boxText) {
    const std::string chosen =
        dialogs.BrowseForFolder(std::string(kSkinFolderPickerTitle), boxText);
    return chosen.empty() ? boxText : EnsureTrailingSlash(chosen);
}

std::string ChoosePatternFile(FileDialogs& dialogs, const std::string& boxText,
                              const std::string& appFolder) {
    const std::string start = boxText.empty() ? appFolder : FolderOf(boxText);
    const auto chosen = dialogs.OpenFiles(std::string(kPatternFileTitle),
                                          std::string(kPatternFileFilter), start, false);
    return chosen.empty() ? boxText : chosen.front();
}

} // namespace vantor
