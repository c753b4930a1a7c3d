#include "settings/dialog/ChooseButtons.h"

#include "support/FakeFileDialogs.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(ChooseButtons, ChosenSkinFolderEndsInASeparatorAndCancelKeepsTheBox) {
    test::FakeFileDialogs dialogs;
    dialogs.folderResult = "/home/user/skins";
    EXPECT_EQ(ChooseSkinFolder(dialogs, "/app/skin/"), "/home/user/skins/");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "フォルダを指定する");
    EXPECT_EQ(dialogs.asked[0].initialFolder, "/app/skin/");

    dialogs.folderResult = "/";
    EXPECT_EQ(ChooseSkinFolder(dialogs, "/app/skin/"), "/");
    dialogs.folderResult.clear();
    EXPECT_EQ(ChooseSkinFolder(dialogs, "/app/skin/"), "/app/skin/");
}

TEST(ChooseButtons, PatternFileDialogHasItsTitleFilterAndStartFolder) {
    test::FakeFileDialogs dialogs;
    dialogs.openResult = {"/pics/bars.gif"};
    EXPECT_EQ(ChoosePatternFile(dialogs, "", "/app/"), "/pics/bars.gif");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, "open");
    EXPECT_EQ(dialogs.asked[0].title, "アナライザーパターンファイルを開く");
    EXPECT_EQ(dialogs.asked[0].filter,
              "Graphics File (*.bmp;*.jpeg;*.jpg;*.gif)|*.bmp;*.jpeg;*.jpg;*.gif|");
    EXPECT_EQ(dialogs.asked[0].initialFolder, "/app/");

    dialogs.openResult.clear();
    EXPECT_EQ(ChoosePatternFile(dialogs, "/pics/bars.gif", "/app/"), "/pics/bars.gif");
    EXPECT_EQ(dialogs.asked[1].initialFolder, "/pics/");
}

} // namespace
} // namespace vantor
