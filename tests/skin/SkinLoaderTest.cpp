#include "skin/SkinLoader.h"

#include "SkinFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

using test::FakeMessageBoxes;
using test::ShownMessage;

class SkinLoaderTest : public ::testing::Test {
protected:
    SkinLoaderTest() { ResetMainSkin(skin, "Arial"); }

    // Writes a definition file with CR LF line ends.
    std::string WriteSkin(const std::string& name, const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& line : lines)
            text += line + "\r\n";
        return dir.Write(name, text);
    }

    bool Load(const std::string& path) {
        return LoadSkinFile(path, skin, settings, services, reader);
    }

    bool LoadLines(const std::vector<std::string>& lines) {
        return Load(WriteSkin("skin.dvk", lines));
    }

    void AddPicture(const std::string& name, int width = 2, int height = 2) {
        dir.Write(name, "x");
        pictures.pictures[FileNameOf(name)] = test::Solid(width, height, gfx::Rgb(1, 2, 3));
    }

    test::TempDir dir;
    FakeMessageBoxes messages;
    test::FakePictureSource pictures;
    FontNameResolver fonts = test::TestFonts();
    SkinServices services{messages, pictures, fonts};
    SkinFileReader reader;
    SkinDefinition skin;
    Settings settings;
};

TEST_F(SkinLoaderTest, MissingFileShowsTheInvalidSkinMessage) {
    EXPECT_FALSE(Load(dir.File("nothing.dvk")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (ShownMessage{"Skinファイルが有効ではありません", "Vantor", MessageIcon::Critical}));
}

TEST_F(SkinLoaderTest, IndentedHashIsReportedAsUnknownKeywordWithItsLine) {
    ASSERT_TRUE(LoadLines({"# comment", "", "  # not a comment", "Bogus 1 2"}));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "skin.dvk\r\nLine : 3 「#」は有効なコマンドではありません");
    EXPECT_EQ(messages.shown[0].title, "Vantor SkinCoreModule");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.shown[1].text,
              "skin.dvk\r\nLine : 4 「bogus」は有効なコマンドではありません");
}

TEST_F(SkinLoaderTest, ButtonStatementsFillRegionsAndTheFourthReplacesTheThird) {
    ASSERT_TRUE(LoadLines({"closebutton 10 20 30 40 Close"}));
    const SkinButton& close = skin.Main(MainButton::Close);
    EXPECT_EQ(close.regionCount, 0);
    EXPECT_EQ(close.regions[0].rect, (SkinRect{10, 20, 30, 40}));
    EXPECT_EQ(close.regions[0].toolTip, "Close");
    ASSERT_TRUE(
        LoadLines({"CloseButton 1 1 2 2 b", "CloseButton 3 3 4 4 c", "CloseButton 5 5 6 6 d"}));
    EXPECT_EQ(close.regionCount, 2);
    EXPECT_EQ(close.regions[1].toolTip, "b");
    EXPECT_EQ(close.regions[2].rect, (SkinRect{5, 5, 6, 6}));
    EXPECT_EQ(close.regions[2].toolTip, "d");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SkinLoaderTest, ChangeSkinButtonSplitsTooltipAndTarget) {
    ASSERT_TRUE(
        LoadLines({"ChangeSkinButton 0 0 10 10 Other skin 1",
                   "ChangeSkinButton 0 0 10 10 Far away 7", "PlayListChangeSkinButton 1 1 5 5 2"}));
    const SkinButton& button = skin.Main(MainButton::ChangeSkin);
    EXPECT_EQ(button.regions[0].toolTip, "Other skin");
    EXPECT_EQ(button.regions[0].target, 1);
    EXPECT_EQ(button.regions[1].toolTip, "Far away");
    EXPECT_EQ(button.regions[1].target, 2);
    // A lone digit sets the target and leaves the tooltip as it was.
    EXPECT_EQ(skin.playListButtons[18].regions[0].target, 2);
    EXPECT_EQ(skin.playListButtons[18].regions[0].toolTip, "");
}

TEST_F(SkinLoaderTest, BitmapPathKeepsSpacesAndSetsTheLoadedFlag) {
    AddPicture("my face.bmp", 20, 10);
    ASSERT_TRUE(LoadLines({"MainBitmap my face.bmp"}));
    EXPECT_TRUE(skin.mainBitmapLoaded);
    ASSERT_TRUE(skin.mainFace);
    EXPECT_EQ(skin.mainFace->Width(), 20);
}

TEST_F(SkinLoaderTest, MissingBitmapHasNoEffectAndNoMessage) {
    ASSERT_TRUE(LoadLines({"MainBitmap absent.bmp", "PlayListMainBitmap absent.bmp"}));
    EXPECT_FALSE(skin.mainBitmapLoaded);
    EXPECT_FALSE(skin.playListMainLoaded);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SkinLoaderTest, WindowsStylePathsResolveAgainstTheSkinFolder) {
    AddPicture("Parts/Knob.BMP");
    ASSERT_TRUE(LoadLines({"VolumeBitmap parts\\knob.bmp"}));
    EXPECT_TRUE(skin.Bar(BarKind::Volume).knob);
}

TEST_F(SkinLoaderTest, ColoursClampAndStoreAsBgr) {
    ASSERT_TRUE(LoadLines(
        {"TimeFontColor 300 0 0", "SpectrumPeakColor 1 2 3", "PlayListRectColor -4 0 256"}));
    EXPECT_EQ(skin.Style(TextField::Time).color, 0x0000FF);
    EXPECT_EQ(skin.spectrumPeakColor, 0x030201);
    EXPECT_EQ(skin.playListRectColor, 0xFF0000);
}

TEST_F(SkinLoaderTest, AlphaAnalyzerPatternAndClampedValues) {
    settings.AnalyzerPattern = 3;
    ASSERT_TRUE(LoadLines({"PlayListRectAlpha -5", "SetAnalyzerPattern 15", "SpectrumPatternType 2",
                           "DockPosition 9", "OscilloScopeWidth 0"}));
    EXPECT_EQ(skin.playListRectAlpha, 255);
    EXPECT_EQ(settings.AnalyzerPattern, 3);
    EXPECT_EQ(skin.spectrumPatternType, 0);
    EXPECT_EQ(skin.dockPosition, 0);
    EXPECT_EQ(skin.oscilloscopeWidth, -1);
    ASSERT_TRUE(LoadLines({"PlayListRectAlpha 128", "SetAnalyzerPattern 14",
                           "SpectrumPatternType 1", "DockPosition 3", "OscilloScopeWidth 2"}));
    EXPECT_EQ(skin.playListRectAlpha, 128);
    EXPECT_EQ(settings.AnalyzerPattern, 14);
    EXPECT_EQ(skin.spectrumPatternType, 1);
    EXPECT_EQ(skin.dockPosition, 3);
    EXPECT_EQ(skin.oscilloscopeWidth, 2);
}

TEST_F(SkinLoaderTest, CountersStopAtTheirLastSlot) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 6; ++i) {
        lines.push_back("About line " + std::to_string(i));
        lines.push_back("PlayListLinkXY " + std::to_string(i) + " " + std::to_string(i * 10));
        lines.push_back("SetTargetDVK target" + std::to_string(i) + ".dvk");
        lines.push_back("SongModeMonoWindowField 0 0 " + std::to_string(i) + " 1 m");
    }
    ASSERT_TRUE(LoadLines(lines));
    EXPECT_EQ(skin.aboutCount, 4);
    EXPECT_EQ(skin.aboutLines[3], "line 4");
    EXPECT_EQ(skin.aboutLines[4], "line 6");
    EXPECT_EQ(skin.linkPointCount, 3);
    EXPECT_EQ(skin.linkPoints[2].x, 3);
    EXPECT_EQ(skin.linkPoints[3].y, 60);
    EXPECT_EQ(skin.skinTargets.count, 2);
    EXPECT_EQ(skin.skinTargets.entries[2].target, "target6.dvk");
    EXPECT_EQ(skin.skinTargets.entries[0].declaringFile, dir.File("skin.dvk"));
    EXPECT_EQ(skin.monoWindowRegions.count, 2);
    EXPECT_EQ(skin.monoWindowRegions.regions[2].rect.right, 6);
}

TEST_F(SkinLoaderTest, FontKindFontNamesAndSizes) {
    ASSERT_TRUE(LoadLines(
        {"TimeFontType bmp", "SongKbpsFontType Bitmap", "SongFormatFontName IPAGothic",
         "SongModeFontName No Such Font", "PlayListFontName No Such Font", "VolumeValFontSize 12.5",
         "FontSize 6 8", "TimeFontBitmapSize 7 9", "TimeFontTransparent 1", "FontTransparent 1"}));
    EXPECT_EQ(skin.Style(TextField::Time).fontKind, "BMP");
    EXPECT_EQ(skin.Style(TextField::SongKbps).fontKind, "FONT");
    EXPECT_EQ(skin.Style(TextField::SongFormat).fontName, "IPAGothic");
    EXPECT_EQ(skin.Style(TextField::SongMode).fontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(skin.playListFontName, "No Such Font");
    EXPECT_EQ(skin.Style(TextField::VolumeVal).fontSize, 12);
    EXPECT_EQ(skin.fontCellWidth, 6);
    EXPECT_EQ(skin.fontCellHeight, 8);
    EXPECT_EQ(skin.timeFontCellWidth, 7);
    EXPECT_EQ(skin.timeFontCellHeight, 9);
    EXPECT_EQ(skin.timeFontTransparent, 1);
    EXPECT_EQ(skin.fontTransparent, 1);
}

TEST_F(SkinLoaderTest, BarsKeepUpperCaseWordsAsWritten) {
    ASSERT_TRUE(
        LoadLines({"VolumeControlType advance", "PanType slider", "PitchBarDirection vertical",
                   "SeekBarField 1 2 3 4 Seek here", "PanImageSize 8 9", "PitchAutoReset 1"}));
    EXPECT_EQ(skin.Bar(BarKind::Volume).type, "ADVANCE");
    EXPECT_EQ(skin.Bar(BarKind::Pan).type, "SLIDER");
    EXPECT_EQ(skin.Bar(BarKind::Pitch).direction, "VERTICAL");
    EXPECT_EQ(skin.Bar(BarKind::Seek).rect, (SkinRect{1, 2, 3, 4}));
    EXPECT_EQ(skin.Bar(BarKind::Seek).toolTip, "Seek here");
    EXPECT_EQ(skin.Bar(BarKind::Pan).knobWidth, 8);
    EXPECT_EQ(skin.Bar(BarKind::Pitch).autoReset, 1);
}

TEST_F(SkinLoaderTest, SpectrumFieldAndPlayListStatements) {
    ASSERT_TRUE(
        LoadLines({"SpectrumField 10 20 60 40 Analyzer", "PlayListTextField 5 6 105 206",
                   "PlayListScrollField 1 2 3 4 scroll", "PlayListCustomToolTips 1 1 2 2 tip",
                   "CustomToolTips 3 3 4 4 main tip", "SongInfoField 0 0 50 10 info",
                   "TimeField 0 0 5 5 ignored", "PlayListInitXY 7 8", "DockPositionXY -3 4"}));
    EXPECT_TRUE(skin.spectrumFieldSet);
    EXPECT_TRUE(skin.analyzerAreaPlaced);
    EXPECT_EQ(skin.spectrumField.toolTip, "Analyzer");
    EXPECT_EQ(skin.playListTextRect, (SkinRect{5, 6, 105, 206}));
    EXPECT_EQ(skin.playListScrollField.toolTip, "scroll");
    ASSERT_EQ(skin.playListCustomToolTips.size(), 1u);
    ASSERT_EQ(skin.customToolTips.size(), 1u);
    EXPECT_EQ(skin.customToolTips[0].text, "main tip");
    EXPECT_EQ(skin.Style(TextField::SongInfo).toolTip, "info");
    EXPECT_EQ(skin.Style(TextField::Time).toolTip, "");
    EXPECT_EQ(settings.PlayListLinkMode, 1);
    EXPECT_EQ(settings.PlayListLinkX, 7);
    EXPECT_EQ(settings.PlayListLinkY, 8);
    EXPECT_TRUE(skin.playListInitPlacement);
    EXPECT_EQ(skin.dockPositionXY.x, -3);
}

TEST_F(SkinLoaderTest, SpectrumPatternPathIsKeptEvenWhenIgnored) {
    AddPicture("pattern.bmp", 3, 20);
    settings.IgnoreSkinAnalyzerPattern = 1;
    ASSERT_TRUE(LoadLines({"SpectrumPattern pattern.bmp"}));
    EXPECT_EQ(skin.spectrumPatternPath, dir.File("pattern.bmp"));
    EXPECT_FALSE(skin.spectrumPattern);
    settings.IgnoreSkinAnalyzerPattern = 0;
    ASSERT_TRUE(LoadLines({"SpectrumPattern pattern.bmp"}));
    EXPECT_TRUE(skin.spectrumPattern);
}

TEST_F(SkinLoaderTest, IncludeActsOnTheSameRecordAndMovesTheCurrentDirectory) {
    AddPicture("sub/face.bmp", 4, 4);
    AddPicture("top.bmp", 5, 5);
    AddPicture("sub/top.bmp", 6, 6);
    WriteSkin("sub/inner.dvk", {"MainBitmap face.bmp", "SetTargetDVK other.dvk", "About inner"});
    const std::string outer = WriteSkin(
        "outer.dvk", {"About outer", "IncludeDVK sub/inner.dvk", "MainBitmapPressed top.bmp"});
    ASSERT_TRUE(Load(outer));
    EXPECT_TRUE(skin.mainBitmapLoaded);
    EXPECT_EQ(skin.aboutCount, 2);
    EXPECT_EQ(skin.aboutLines[1], "inner");
    EXPECT_EQ(skin.skinTargets.entries[0].declaringFile, dir.File("sub/inner.dvk"));
    // After the include the current directory is the included file's folder,
    // so its picture wins over the one beside the including file.
    ASSERT_TRUE(skin.mainPressed);
    EXPECT_EQ(skin.mainPressed->Width(), 6);
    EXPECT_EQ(reader.CurrentDirectory(), dir.File("sub/"));
}

TEST_F(SkinLoaderTest, IncludeCyclesEndAndEveryStatementActsOncePerChain) {
    WriteSkin("a.dvk", {"About a", "IncludeDVK b.dvk"});
    WriteSkin("b.dvk", {"About b", "IncludeDVK a.dvk", "IncludeDVK b.dvk"});
    ASSERT_TRUE(Load(dir.File("a.dvk")));
    EXPECT_EQ(skin.aboutCount, 2);
    EXPECT_EQ(skin.aboutLines[0], "a");
    EXPECT_EQ(skin.aboutLines[1], "b");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SkinLoaderTest, ReadSkinNameFollowsIncludesAndReportsNothing) {
    WriteSkin("names/inner.dvk", {"SkinName Inner Name", "About by someone"});
    const std::string path =
        WriteSkin("names/outer.dvk", {"Nonsense", "IncludeDVK inner.dvk", "MainBitmap x.bmp"});
    const SkinNameInfo info = ReadSkinName(path);
    EXPECT_EQ(info.skinName, "Inner Name");
    EXPECT_EQ(info.aboutCount, 1);
    EXPECT_EQ(info.aboutLines[0], "by someone");
}

TEST(FontNameResolverTest, FallsBackToGothicThenArial) {
    const FontNameResolver withGothic(std::vector<std::string>{"ＭＳ Ｐゴシック", "DejaVu Sans"});
    EXPECT_EQ(withGothic.ResolveFontName("dejavu sans"), "dejavu sans");
    EXPECT_EQ(withGothic.ResolveFontName("Missing"), "ＭＳ Ｐゴシック");
    EXPECT_EQ(withGothic.ResolveFontName(""), "ＭＳ Ｐゴシック");
    const FontNameResolver without(std::vector<std::string>{"DejaVu Sans"});
    EXPECT_EQ(without.ResolveFontName("Missing"), "Arial");
}

} // namespace
} // namespace vantor
