#include "core/AboutText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantor {
namespace {

TEST(LibraryVersionLines, NameEachLibraryWithItsVersionInTwoDecimals) {
    const auto lines = LibraryVersionLines({1.0f, 0.5f, 2.25f, 1.1f});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Sound engine  :  Ver 1.00");
    EXPECT_EQ(lines[1], "Echora        :  Ver 0.50");
    EXPECT_EQ(lines[2], "Tonalis       :  Ver 2.25");
    EXPECT_EQ(lines[3], "Pixwell       :  Ver 1.10");
}

TEST(LibraryVersionLines, SayWhenPixwellIsMissing) {
    const auto lines = LibraryVersionLines({1.0f, 1.0f, 1.0f, std::nullopt});
    EXPECT_EQ(lines[3], "Pixwell       :  not found");
}

TEST(StaffList, CreditsEveryLibraryWithItsVersionAndLicence) {
    const auto lines =
        StaffList({{"zlib", "1.2.13", "Zlib"}, {"SoundFont TimGM6mb.sf2", "", "GPL-2.0"}});
    EXPECT_EQ(lines.front(), "Vantor Ver0.92n");
    const auto zlib = std::find(lines.begin(), lines.end(), "zlib 1.2.13");
    ASSERT_NE(zlib, lines.end());
    EXPECT_EQ(*(zlib + 1), "(Zlib)");
    const auto font = std::find(lines.begin(), lines.end(), "SoundFont TimGM6mb.sf2");
    ASSERT_NE(font, lines.end());
    EXPECT_EQ(*(font + 1), "(GPL-2.0)");
}

} // namespace
} // namespace vantor
