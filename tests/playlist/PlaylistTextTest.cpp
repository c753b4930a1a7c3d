#include "playlist/PlaylistText.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(LineBreakEscaping, CrLfBecomesMarkerAndBack) {
    EXPECT_EQ(EscapeLineBreaks("Artist\r\nSong\r\n"), "Artist[\\n]Song[\\n]");
    EXPECT_EQ(UnescapeLineBreaks("Artist[\\n]Song[\\n]"), "Artist\r\nSong\r\n");
    EXPECT_EQ(EscapeLineBreaks("plain"), "plain");
    EXPECT_EQ(UnescapeLineBreaks("[\\n][\\n]"), "\r\n\r\n");
}

TEST(LineBreakEscaping, LoneBreaksCannotSplitTheRecord) {
    const auto escaped = EscapeLineBreaks("a\nb\rc");
    EXPECT_EQ(escaped.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(UnescapeLineBreaks(escaped), "a\r\nb\r\nc");
}

TEST(LineBreakEscaping, NestedMarkerUnescapesOnce) {
    EXPECT_EQ(UnescapeLineBreaks("[\\[\\n]n]"), "[\\\r\nn]");
}

TEST(CsvField, ReturnsFieldsAndTheTailWhenCommasRunOut) {
    EXPECT_EQ(CsvField("AudioCD,E:,3", 1), "AudioCD");
    EXPECT_EQ(CsvField("AudioCD,E:,3", 2), "E:");
    EXPECT_EQ(CsvField("AudioCD,E:,3", 3), "3");
    EXPECT_EQ(CsvField("AudioCD,E:,3", 7), "3");
    EXPECT_EQ(CsvField("nocomma", 2), "nocomma");
    EXPECT_EQ(CsvField("a,,c", 2), "");
    EXPECT_EQ(CsvField("a,b,", 3), "");
}

TEST(StoredLength, WholeMillisecondsHaveNoFraction) {
    EXPECT_EQ(FormatStoredLength(Fixed4::FromInteger(215000)), "215000");
    EXPECT_EQ(FormatStoredLength(Fixed4{}), "0");
    EXPECT_EQ(FormatStoredLength(Fixed4::FromRaw(2150001234)), "215000.1234");
    EXPECT_EQ(FormatStoredLength(Fixed4::FromRaw(15000)), "1.5");
    EXPECT_EQ(FormatStoredLength(Fixed4::FromRaw(-15000)), "-1.5");
}

} // namespace
} // namespace vantor
