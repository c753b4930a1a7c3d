#include "effects/EqualizerFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

EqualizerLevels Sample() {
    EqualizerLevels levels;
    levels.preamp = -4.0f;
    levels.bands = {7.0f, 6.0f, 4.5f, 2.0f, 0.0f, 0.0f, -1.0f, -12.0f, 12.0f, 3.0f};
    return levels;
}

TEST(EqualizerFile, WritesAKeyLineAndAValueLinePerLevel) {
    EqualizerLevels levels;
    levels.bands[5] = 6.0f;
    const std::string text = WriteEqualizerText(levels);
    EXPECT_TRUE(text.starts_with("<Preamp>\r\n 0 \r\n<Band 31Hz>\r\n 0 \r\n"));
    EXPECT_NE(text.find("\r\n<Band 1kHz>\r\n 6 \r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("<Band 16kHz>\r\n 0 \r\n"));
}

TEST(EqualizerFile, SavedPresetOpensWithTheSameLevels) {
    test::TempDir dir;
    const std::string path = dir.File("mine.dvc");
    ASSERT_TRUE(SaveEqualizerFile(path, Sample()));
    EqualizerRead read = LoadEqualizerFile(path);
    ASSERT_TRUE(read.levels) << read.error;
    EXPECT_EQ(*read.levels, Sample());
    // Hand-edited files: LF line ends, a byte-order mark, signs and blanks.
    read = ReadEqualizerText("\xEF\xBB\xBF<Band 62Hz>\n+3\n\n<Preamp>\n -2.5\n<Band 31Hz>\n1\n"
                             "<Band 125Hz>\n0\n<Band 250Hz>\n0\n<Band 500Hz>\n0\n<Band 1kHz>\n0\n"
                             "<Band 2kHz>\n0\n<Band 4kHz>\n0\n<Band 8kHz>\n0\n<Band 16kHz>\n-1\n");
    ASSERT_TRUE(read.levels) << read.error;
    EXPECT_EQ(read.levels->bands[1], 3.0f);
    EXPECT_EQ(read.levels->preamp, -2.5f);
    EXPECT_EQ(read.levels->bands[9], -1.0f);
}

TEST(EqualizerFile, DamagedOrForeignTextIsRefusedWithAReason) {
    const std::string good = WriteEqualizerText(Sample());
    auto replaced = [&good](std::string_view from, std::string_view to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::vector<std::pair<std::string, std::string>> cases{
        {"empty", ""},
        {"settings file", "<EnableEqualizer>\r\n 1 \r\n"},
        {"cut short", good.substr(0, good.size() / 2)},
        {"level out of range", replaced(" -12 ", " -13 ")},
        {"not a number", replaced(" 7 ", " loud ")},
        {"no finite number", replaced(" 7 ", " nan ")},
        {"key twice", good + "<Preamp>\r\n 0 \r\n"},
        {"missing value", replaced("<Band 16kHz>\r\n 3 \r\n", "<Band 16kHz>\r\n")},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0", 10)},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        EqualizerRead read = ReadEqualizerText(text);
        EXPECT_FALSE(read.levels);
        EXPECT_FALSE(read.error.empty());
    }
    EXPECT_FALSE(LoadEqualizerFile("/nonexistent/preset.dvc").levels);
}

TEST(EqualizerFile, ShippedPresetsAreNamedAndWithinRange) {
    std::vector<std::string_view> names;
    for (const EqualizerPreset& preset : ShippedEqualizerPresets()) {
        names.push_back(preset.name);
        EXPECT_EQ(preset.levels.Clamped(), preset.levels) << preset.name;
    }
    EXPECT_EQ(names, (std::vector<std::string_view>{"flat", "rock", "pop", "classical",
                                                    "bass boost", "treble boost", "vocal"}));
    EXPECT_TRUE(ShippedEqualizerPresets().front().levels.IsFlat());
}

} // namespace
} // namespace vantor
