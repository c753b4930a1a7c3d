#include "skin/SkinLine.h"
#include "skin/SkinKeywords.h"

#include <gtest/gtest.h>

#include <set>

namespace vantor {
namespace {

TEST(SkinLineTest, CommentTestLooksAtTheRawLine) {
    EXPECT_TRUE(IsSkinCommentLine(""));
    EXPECT_TRUE(IsSkinCommentLine("# a comment"));
    EXPECT_TRUE(IsSkinCommentLine("#MainBitmap x.bmp"));
    EXPECT_FALSE(IsSkinCommentLine("  # indented"));
    EXPECT_FALSE(IsSkinCommentLine(" "));
}

TEST(SkinLineTest, SplitsKeywordFieldsAndRest) {
    const SkinLine line = SplitSkinLine("CloseButton 10 20 30 40 Close window");
    EXPECT_EQ(line.keyword, "CloseButton");
    EXPECT_EQ(line.field1, "10");
    EXPECT_EQ(line.field2, 20);
    EXPECT_EQ(line.field3, 30);
    EXPECT_EQ(line.field4, 40);
    EXPECT_EQ(line.field5, "Close window");
    EXPECT_EQ(line.rest, "10 20 30 40 Close window");
}

TEST(SkinLineTest, KeywordAloneHasEmptyFields) {
    const SkinLine line = SplitSkinLine("SkinName");
    EXPECT_EQ(line.keyword, "SkinName");
    EXPECT_EQ(line.field1, "");
    EXPECT_EQ(line.field2, 0);
    EXPECT_EQ(line.field5, "");
    EXPECT_EQ(line.rest, "");
}

TEST(SkinLineTest, SeveralBlanksKeepAllButTheLastInTheField) {
    const SkinLine line = SplitSkinLine("TimeFontColor   1   2 3");
    EXPECT_EQ(line.field1, "1  ");
    EXPECT_EQ(line.field2, 2);
    EXPECT_EQ(line.field3, 3);
    EXPECT_EQ(line.rest, "  1   2 3");
}

TEST(SkinLineTest, FieldFiveTakesTheRestOfTheLine) {
    const SkinLine line = SplitSkinLine("CustomToolTips 1 2 3 4 a  b   c");
    EXPECT_EQ(line.field5, "a  b   c");
}

TEST(SkinLineTest, FontNameAndAboutTakeTheWholeRestAsFieldOne) {
    EXPECT_EQ(SplitSkinLine("TimeFontName MS UI Gothic").field1, "MS UI Gothic");
    EXPECT_EQ(SplitSkinLine("About Made by  me").field1, "Made by  me");
    // The rule is case-sensitive: a lower-case about splits as usual.
    EXPECT_EQ(SplitSkinLine("about Made by me").field1, "Made");
}

TEST(SkinLineTest, TabIsPartOfAValue) {
    const SkinLine line = SplitSkinLine("SkinName a\tb");
    EXPECT_EQ(line.field1, "a\tb");
    EXPECT_EQ(line.rest, "a\tb");
}

TEST(SkinLineTest, NumbersRoundHalvesToEvenAndReadTextAsZero) {
    EXPECT_EQ(SkinNumber("2.5"), 2);
    EXPECT_EQ(SkinNumber("3.5"), 4);
    EXPECT_EQ(SkinNumber("-5"), -5);
    EXPECT_EQ(SkinNumber("abc"), 0);
    EXPECT_EQ(SkinNumber("12px"), 12);
    EXPECT_EQ(SkinNumber("99999999999"), 2147483647);
    EXPECT_EQ(SplitSkinLine("X 1 2.5 3.5 x").field2, 2);
    EXPECT_EQ(SplitSkinLine("X 1 2.5 3.5 x").field3, 4);
    EXPECT_EQ(SplitSkinLine("X 1 2.5 3.5 x").field4, 0);
}

TEST(SkinKeywordsTest, TableHoldsEveryKeywordOnce) {
    const auto table = SkinKeywordTable();
    EXPECT_EQ(table.size(), 194u);
    std::set<std::string> lower;
    for (const auto& entry : table) {
        std::string name(entry.name);
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        lower.insert(name);
    }
    EXPECT_EQ(lower.size(), 194u);
}

TEST(SkinKeywordsTest, LookupIgnoresCase) {
    ASSERT_NE(FindSkinKeyword("closebutton"), nullptr);
    EXPECT_EQ(FindSkinKeyword("CLOSEBUTTON")->action, SkinAction::MainButtonRect);
    EXPECT_EQ(FindSkinKeyword("Non-StopMegaMixButton")->arg, 13);
    EXPECT_EQ(FindSkinKeyword("PlayListChangeSkinButton")->arg, 18);
    EXPECT_EQ(FindSkinKeyword("FontSize")->action, SkinAction::FontCellSize);
    EXPECT_EQ(FindSkinKeyword("TimeFontSize")->action, SkinAction::FontSize);
    EXPECT_EQ(FindSkinKeyword("#"), nullptr);
    EXPECT_EQ(FindSkinKeyword(""), nullptr);
}

} // namespace
} // namespace vantor
