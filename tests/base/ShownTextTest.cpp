#include "base/ShownText.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(ComposeText, ValuesGoInAsTheyAreAndPlaceholdersWithoutAValueStay) {
    EXPECT_EQ(ComposeText(kNotStoredZipText, {"/music/a.zip"}),
              "/music/a.zipは無圧縮Zipではないので、処理できません。");
    // A file name holding "%2" is not filled in by the second value.
    EXPECT_EQ(ComposeText(kUnknownSkinCommandText, {"%2", "bogus"}),
              "Line : %2 「bogus」は有効なコマンドではありません");
    EXPECT_EQ(ComposeText("%1 of %2%", {"3"}), "3 of %2%");
}

} // namespace
} // namespace vantor
