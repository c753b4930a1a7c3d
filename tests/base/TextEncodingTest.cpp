#include "base/TextEncoding.h"

#include <gtest/gtest.h>

#include <array>

namespace vantor {
namespace {

TEST(CodePage, FollowsTheLanguageOfTheLocale) {
    EXPECT_EQ(CodePageForLocale("ja_JP.UTF-8"), 932);
    EXPECT_EQ(CodePageForLocale("zh_CN.UTF-8"), 936);
    EXPECT_EQ(CodePageForLocale("zh_TW.UTF-8"), 950);
    EXPECT_EQ(CodePageForLocale("zh_HK"), 950);
    EXPECT_EQ(CodePageForLocale("ko_KR.UTF-8"), 949);
    EXPECT_EQ(CodePageForLocale("ru_RU.UTF-8"), 1251);
    EXPECT_EQ(CodePageForLocale("el_GR"), 1253);
    EXPECT_EQ(CodePageForLocale("tr_TR"), 1254);
    EXPECT_EQ(CodePageForLocale("he_IL"), 1255);
    EXPECT_EQ(CodePageForLocale("ar_EG"), 1256);
    EXPECT_EQ(CodePageForLocale("lt_LT"), 1257);
    EXPECT_EQ(CodePageForLocale("vi_VN"), 1258);
    EXPECT_EQ(CodePageForLocale("th_TH"), 874);
    EXPECT_EQ(CodePageForLocale("de_DE.UTF-8"), 1252);
    EXPECT_EQ(CodePageForLocale("C"), 1252);
    EXPECT_EQ(CodePageForLocale("POSIX"), 1252);
}

TEST(LegacyText, ValidUtf8IsKeptAndOtherBytesDecoded) {
    EXPECT_EQ(LegacyToUtf8("caf\xC3\xA9", 932), "caf\xC3\xA9");
    // "テスト" in Shift-JIS.
    EXPECT_EQ(LegacyToUtf8("\x83\x65\x83\x58\x83\x67", 932), "テスト");
    EXPECT_EQ(LegacyToUtf8("caf\xE9", 1252), "caf\xC3\xA9");
    EXPECT_EQ(LegacyToUtf8("\xCF\xF0\xE8", 1251), "При");
}

TEST(LegacyText, UndecodableBytesBecomeReplacementCharacters) {
    // 0x81 alone is a truncated Shift-JIS lead byte.
    EXPECT_EQ(LegacyToUtf8("A\x81", 932), "A\xEF\xBF\xBD");
}

TEST(LegacyText, EncodesBackWithQuestionMarksForTheUnmappable) {
    EXPECT_EQ(Utf8ToLegacy("テスト", 932), "\x83\x65\x83\x58\x83\x67");
    EXPECT_EQ(Utf8ToLegacy("aテb", 1252), "a?b");
}

TEST(Utf16, DecodesBothOrdersAndHonoursTheBom) {
    const std::array<std::uint8_t, 4> le{'H', 0, 'i', 0};
    const std::array<std::uint8_t, 4> be{0, 'H', 0, 'i'};
    const std::array<std::uint8_t, 6> bomBe{0xFE, 0xFF, 0x30, 0xC6, 0x30, 0xB9};
    const std::array<std::uint8_t, 5> odd{'H', 0, 'i', 0, 'x'};
    EXPECT_EQ(Utf16LeToUtf8(le), "Hi");
    EXPECT_EQ(Utf16BeToUtf8(be), "Hi");
    EXPECT_EQ(Utf16WithBomToUtf8(bomBe), "テス");
    EXPECT_EQ(Utf16WithBomToUtf8(le), "Hi");
    EXPECT_EQ(Utf16LeToUtf8(odd), "Hi");
}

TEST(Utf8, ValidityCheckRejectsOverlongAndSurrogates) {
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("日本語"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xE6\x97"));
    EXPECT_EQ(CutAtNul(std::string("ab\0cd", 5)), "ab");
}

} // namespace
} // namespace vantor
