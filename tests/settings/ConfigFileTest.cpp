#include "settings/ConfigFile.h"

#include "base/TextEncoding.h"
#include "settings/SettingsKeys.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

Settings Read(std::string_view text) {
    Settings settings;
    ReadSettingsText(text, settings);
    return settings;
}

LoadedSettings LoadText(const test::TempDir& dir, std::string_view text) {
    return LoadSettingsFile(dir.Write("Vantor.DVC", text), dir.Path(), {});
}

TEST(ConfigFile, FileWithOnlyAnalyzerPriorityGetsZerosAndFixups) {
    test::TempDir dir;
    const auto loaded = LoadText(dir, "<Analyzer Priority>\r\n 0 \r\n");
    const auto& s = loaded.settings;
    EXPECT_TRUE(loaded.fileExisted);
    EXPECT_EQ(s.AnalyzerPriority, 30);
    EXPECT_EQ(s.BufferLength, 200);
    EXPECT_EQ(s.GetTagInterval, 50);
    EXPECT_EQ(s.SongInfoScrollWait, 50);
    EXPECT_EQ(s.VolumeAnimationWait, 50);
    EXPECT_EQ(s.OscilloscopeDrawWidth, 1);
    EXPECT_EQ(s.PitchScale, 1.0f);
    EXPECT_EQ(s.FrequencyScale, 1.0f);
    EXPECT_EQ(s.SoundStretchScale, 1.0f);
    EXPECT_EQ(s.PanPosition, 0);
    EXPECT_EQ(s.MasterVolume, 0);
    EXPECT_EQ(s.OutputRate, 0);
    EXPECT_EQ(s.AutoPlay, 0);
    EXPECT_EQ(s.SongInfoStyle, "");
}

TEST(ConfigFile, MissingFileGivesTheDefaults) {
    test::TempDir dir;
    const auto loaded = LoadSettingsFile(dir.File("Vantor.DVC"), dir.Path(), {10, 20, 30, 40});
    const auto& s = loaded.settings;
    EXPECT_FALSE(loaded.fileExisted);
    EXPECT_EQ(s.MainWindowX, 10);
    EXPECT_EQ(s.PlayListWindowY, 40);
    EXPECT_EQ(s.AnalyzerPriority, 30);
    EXPECT_EQ(s.OscilloscopeColor, 0xFFFFFF);
    EXPECT_EQ(s.OutputRate, 44100);
    EXPECT_EQ(s.MasterVolume, 255);
    EXPECT_EQ(s.PanPosition, 128);
    EXPECT_EQ(s.SongInfoFontName, "ＭＳＰゴシック");
    EXPECT_EQ(s.SkinFilePath, "Skin\\Default\\Default.dvk");
    EXPECT_EQ(s.RecentSongFileFolder, dir.Path());
    EXPECT_EQ(s.CurrentSongIndex, 0);
}

TEST(ConfigFile, KeysMatchExactlyAndCaseSensitively) {
    const auto s = Read("<Analyzer priority>\r\n 55 \r\n<Gap Length>\r\n 250 \r\n");
    EXPECT_EQ(s.AnalyzerPriority, 0);
    EXPECT_EQ(s.GapLength, 250);
}

TEST(ConfigFile, TextValuesAreWholeLinesEvenWithCommas) {
    const auto s = Read("<RecentSongFileFolder>\r\n/music/Rock, Pop/\r\n"
                        "<Analyzer Pattern File>\r\n/p/a,b.bmp\r\n"
                        "<Gap Length>\r\n 7 \r\n");
    EXPECT_EQ(s.RecentSongFileFolder, "/music/Rock, Pop/");
    EXPECT_EQ(s.AnalyzerPatternFile, "/p/a,b.bmp");
    EXPECT_EQ(s.GapLength, 7);
}

TEST(ConfigFile, BadNumbersKeepThePreviousValue) {
    Settings s;
    s.GapLength = 42;
    s.PitchScale = 1.5f;
    ReadSettingsText("<Gap Length>\nabc\n<PitchScale>\n1.2.3\n<MasterVolume 0..255>\n"
                     "99999999999\n<EchoLevel>\n",
                     s);
    EXPECT_EQ(s.GapLength, 42);
    EXPECT_EQ(s.PitchScale, 1.5f);
    EXPECT_EQ(s.MasterVolume, 0);
}

TEST(ConfigFile, QuotedFieldsAndLineEndsOfEveryKind) {
    const auto s = Read("\"<Gap Length>\"\n 12 \r<OutPut Rate>\r\n-22050 \n<Echo ON/OFF>\n1");
    EXPECT_EQ(s.GapLength, 12);
    EXPECT_EQ(s.OutputRate, -22050);
    EXPECT_EQ(s.EffectEnabled[kEffectEcho], 1);
}

TEST(ConfigFile, ScalesOutsideTheRangeFallBackToOne) {
    test::TempDir dir;
    const auto kept = LoadText(dir, "<PitchScale>\n 2 \n<FrequencyScale>\n .5 \n"
                                    "<SoundStretchScale>\n -1 \n").settings;
    EXPECT_EQ(kept.PitchScale, 2.0f);
    EXPECT_EQ(kept.FrequencyScale, 0.5f);
    EXPECT_EQ(kept.SoundStretchScale, 1.0f);
    const auto reset = LoadText(dir, "<PitchScale>\n 2.01 \n<FrequencyScale>\n 0.49 \n"
                                     "<PanPosition 0..255>\n 256 \n").settings;
    EXPECT_EQ(reset.PitchScale, 1.0f);
    EXPECT_EQ(reset.FrequencyScale, 1.0f);
    EXPECT_EQ(reset.PanPosition, 128);
}

TEST(ConfigFile, LegacyCodePageTextsAreDecoded) {
    test::TempDir dir;
    SetLegacyCodePage(932);
    // "テスト" in Shift-JIS as the font name.
    const auto s = LoadText(dir, "<SongInfomation FontName>\r\n\x83\x65\x83\x58\x83\x67\r\n").settings;
    EXPECT_EQ(s.SongInfoFontName, "テスト");
}

TEST(ConfigFile, WritesTheExactFormat) {
    test::TempDir dir;
    Settings s = DefaultSettings(dir.Path(), {});
    s.CurrentSongIndex = -1;
    s.PitchScale = 1.5f;
    const auto text = WriteSettingsText(s, dir.Path());
    EXPECT_TRUE(text.starts_with("Vantor ConfigFile(DVC = Dorvan Config) Ver0.9\r\n\r\n"
                                 "動作が怪しくなったら消してみてください\r\n"
                                 "<MainWindow X Position>\r\n 0 \r\n"));
    EXPECT_NE(text.find("<Analyzer Priority>\r\n 30 \r\n"), std::string::npos);
    EXPECT_NE(text.find("<Oscilliscope Color>\r\n 16777215 \r\n"), std::string::npos);
    EXPECT_NE(text.find("<CurrentSongIndex>\r\n-1 \r\n"), std::string::npos);
    EXPECT_NE(text.find("<PitchScale>\r\n 1.5 \r\n<FrequencyEnable ON/OFF>"), std::string::npos);
    EXPECT_NE(text.find("<FrequencyScale>\r\n 1 \r\n"), std::string::npos);
    EXPECT_NE(text.find("<SongInfomation Style>\r\n%1 - %2\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("<GetTagInterval>\r\n 50 \r\n"));
    // 3 leading lines and 74 pairs: PanEnable is written once.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 74 * 2);
    EXPECT_EQ(text.find("<PanEnable ON/OFF>"), text.rfind("<PanEnable ON/OFF>"));
}

TEST(ConfigFile, SkinPathInsideAppFolderIsWrittenRelative) {
    Settings s;
    s.SkinFilePath = "/opt/vantor/Skin/Blue/Blue.dvk";
    EXPECT_NE(WriteSettingsText(s, "/opt/vantor/").find("<SkinFile Path>\r\nSkin/Blue/Blue.dvk\r\n"),
              std::string::npos);
    EXPECT_NE(WriteSettingsText(s, "/home/me/").find("\r\n/opt/vantor/Skin/Blue/Blue.dvk\r\n"),
              std::string::npos);
}

TEST(ConfigFile, WhatIsWrittenLoadsBackUnchanged) {
    test::TempDir dir;
    dir.MakeFolder("Skin");
    Settings s = DefaultSettings(dir.Path(), {1440, -15, 300, 600});
    s.RecentSongFileFolder = "/music/a, b/";
    s.EffectEnabled = {1, 0, 1, 0, 1};
    s.PitchScale = 0.75f;
    s.CurrentSongIndex = 12;
    s.PanEnable = 1;
    ASSERT_TRUE(SaveSettingsFile(dir.File("Vantor.DVC"), s, dir.Path()));
    const auto loaded = LoadSettingsFile(dir.File("Vantor.DVC"), dir.Path(), {});
    EXPECT_EQ(loaded.settings, s);
}

TEST(ConfigFile, FailedSaveReportsIt) {
    test::TempDir dir;
    EXPECT_FALSE(SaveSettingsFile(dir.Path() + "missing/Vantor.DVC", Settings{}, dir.Path()));
}

TEST(SettingsKeys, TableHoldsEveryValueOnceAndPanEnableTwice) {
    int written = 0;
    int panEnable = 0;
    for (const auto& key : SettingKeys()) {
        written += key.written ? 1 : 0;
        panEnable += key.keyLine == "<PanEnable ON/OFF>" ? 1 : 0;
    }
    EXPECT_EQ(written, 74);
    EXPECT_EQ(panEnable, 2);
    EXPECT_EQ(FindSettingKey("<PanEnable ON/OFF>")->fieldName, "PanEnable");
    EXPECT_EQ(FindSettingKey("<RobotiqueFilter ON/OFF>")->fieldName, "EffectEnabled[4]");
    EXPECT_EQ(FindSettingKey("<SongInfomation Style>")->type, SettingType::Text);
}

} // namespace
} // namespace vantor
