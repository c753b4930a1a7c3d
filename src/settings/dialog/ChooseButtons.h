// The settings window's choose buttons that open a desktop dialog: the skin
// folder and the analyzer pattern file. Each returns what its box shows
// afterwards: the choice, or the box's text unchanged when cancelled.
// UI thread only.
#pragma once

#include "base/ShownText.h"
#include "platform/FileDialogs.h"

#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::string_view kSkinFolderPickerTitle = VANTOR_TEXT("フォルダを指定する");
inline constexpr std::string_view kPatternFileTitle =
    VANTOR_TEXT("アナライザーパターンファイルを開く");
inline constexpr std::string_view kPatternFileFilter =
    VANTOR_TEXT("Graphics File") " (*.bmp;*.jpeg;*.jpg;*.gif)|*.bmp;*.jpeg;*.jpg;*.gif|";

// The folder picker starts at the box's folder; the choice gets a trailing
// separator, as every stored folder has.
std::string ChooseSkinFolder(FileDialogs& dialogs, const std::string& boxText);
// The open dialog starts in the folder of the box's file, or in
// `appFolder` when the box is empty.
std::string ChoosePatternFile(FileDialogs& dialogs, const std::string& boxText,
                              const std::string& appFolder);

} // namespace vantor
