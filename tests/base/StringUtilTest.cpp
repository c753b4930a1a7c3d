#include "base/StringUtil.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(StringUtil, TrimsOnlyWhatItSays) {
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimWhitespace("\t a \r\n"), "a");
}

TEST(StringUtil, ComparesIgnoringAsciiCase) {
    EXPECT_TRUE(EqualsIgnoreCase("/ADD", "/add"));
    EXPECT_FALSE(EqualsIgnoreCase("/add ", "/add"));
    EXPECT_TRUE(EndsWithIgnoreCase("song.MP3", ".mp3"));
    EXPECT_FALSE(EndsWithIgnoreCase("mp3", ".mp3"));
    EXPECT_TRUE(StartsWithIgnoreCase("Skin\\x", "skin"));
}

TEST(StringUtil, ReplaceAllDoesNotRescanInsertedText) {
    EXPECT_EQ(ReplaceAll("%1 - %2", "%1", "%1%1"), "%1%1 - %2");
    EXPECT_EQ(ReplaceAll("a&b&", "&", "&&"), "a&&b&&");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(StringUtil, SplitsLinesWithEitherEnding) {
    const auto lines = SplitLines("a\r\nb\nc");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "c");
    EXPECT_EQ(SplitLines("a\n\n").size(), 2u);
}

TEST(StringUtil, CountsAndCutsCharactersNotBytes) {
    EXPECT_EQ(Utf8Length("日本語abc"), 6u);
    EXPECT_EQ(Utf8Left("日本語abc", 2), "日本");
    EXPECT_EQ(Utf8Mid("日本語abc", 2, 2), "語a");
    EXPECT_EQ(Utf8Mid("日本語", 5), "");
}

} // namespace
} // namespace vantor
