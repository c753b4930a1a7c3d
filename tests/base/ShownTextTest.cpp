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

TEST(ValuesComposedInto, GivesBackWhatComposedTheText) {
    using Values = std::vector<std::string>;
    for (const Values& values : {Values{"12", "bogus"}, Values{"", ""}, Values{"「x」", "y」は"}}) {
        const std::string text = ComposeText(kUnknownSkinCommandText, values);
        const auto found = ValuesComposedInto(kUnknownSkinCommandText, text);
        ASSERT_TRUE(found.has_value()) << text;
        EXPECT_EQ(*found, values);
    }
    // Where the text allows two readings, the first value takes more.
    EXPECT_EQ(ValuesComposedInto("%1 / %2", "a / b / c"), (Values{"a / b", "c"}));
    EXPECT_EQ(ValuesComposedInto(kNotStoredZipText, ComposeText(kNotStoredZipText, {"/m/a.zip"})),
              Values{"/m/a.zip"});
    EXPECT_EQ(ValuesComposedInto("no placeholder", "no placeholder"), Values{});
}

TEST(ValuesComposedInto, TextsMadeOtherwiseGiveNothing) {
    for (const std::string_view text :
         {"", "Line : 1", "Line : 1 「bogus」", "line : 1 「bogus」は有効なコマンドではありません",
          "Line : 1 「bogus」は有効なコマンドではありません。", "x.zipは無圧縮Zip"}) {
        EXPECT_FALSE(ValuesComposedInto(kUnknownSkinCommandText, text).has_value()) << text;
        EXPECT_FALSE(ValuesComposedInto(kNotStoredZipText, text).has_value()) << text;
    }
    // The text's start and end may not share a letter between them.
    EXPECT_FALSE(ValuesComposedInto("ab%1ba", "aba").has_value());
    EXPECT_FALSE(ValuesComposedInto("no placeholder", "no placeholders").has_value());
}

} // namespace
} // namespace vantor
