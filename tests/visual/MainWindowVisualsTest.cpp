#include "visual/MainWindowVisuals.h"

#include "FakeAnalyzerSource.h"
#include "support/FakeTextPainter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

class OnePicture : public PictureSource {
public:
    Picture LoadPicture(const std::string& path) override {
        loaded.push_back(path);
        return std::make_shared<gfx::Surface>(1, 9, gfx::Rgb(7, 7, 7));
    }
    std::vector<std::string> loaded;
};

class SilentOscilloscope : public OscilloscopeInput {
public:
    std::int32_t ChannelsPlaying() override { return 0; }
    std::int32_t BufferLength() override { return 1; }
    std::int32_t BufferLengthTotal() override { return 1; }
    void SetBlockCount(std::int32_t) override {}
    std::size_t CopySoundingBlock(std::span<float>) override { return 0; }
};

class MainWindowVisualsTest : public ::testing::Test {
protected:
    MainWindowVisualsTest() {
        skin.spectrumField.rect = {0, 0, 10, 10};
        skin.analyzerAreaPlaced = true;
        surfaces.face = gfx::Surface(20, 20, gfx::Rgb(9, 9, 9));
        surfaces.mainWindow = surfaces.face;
    }

    SkinDefinition skin;
    SkinSurfaces surfaces;
    Settings settings;
    test::FakeTextPainter painter;
    TextFieldPainter fields{skin, surfaces, painter};
    MainWindowVisuals visuals{skin, surfaces, settings, painter, fields};
    OnePicture pictures;
    test::FakeAnalyzerSource spectrum;
    SilentOscilloscope oscilloscope;
};

TEST_F(MainWindowVisualsTest, PatternComesFromTheSkinThenTheUserFileThenIsGenerated) {
    visuals.PrepareAnalyzer(pictures);
    EXPECT_EQ(visuals.Analyzer().Pattern().Width(), 3);
    EXPECT_TRUE(pictures.loaded.empty());
    test::TempDir dir;
    settings.AnalyzerPatternFile = dir.Write("pattern.bmp", "x");
    visuals.PrepareAnalyzer(pictures);
    EXPECT_EQ(visuals.Analyzer().Pattern().Width(), 1);
    skin.spectrumPattern = std::make_shared<gfx::Surface>(10, 9, gfx::Rgb(1, 1, 1));
    visuals.PrepareAnalyzer(pictures);
    EXPECT_EQ(visuals.Analyzer().Pattern().Width(), 10);
    EXPECT_EQ(pictures.loaded.size(), 1u);
}

TEST_F(MainWindowVisualsTest, PressOnTheAreaCyclesThroughTheOscilloscopeBackToOne) {
    settings.AnalyzerPattern = 13;
    visuals.NextAnalyzerStyle();
    EXPECT_EQ(settings.AnalyzerPattern, 14);
    visuals.NextAnalyzerStyle();
    EXPECT_EQ(settings.AnalyzerPattern, 1);
    EXPECT_EQ(visuals.Analyzer().Pen().Width(), 1);
}

TEST_F(MainWindowVisualsTest, TickDrawsTheChosenModeUnlessDisabled) {
    settings.OscilloscopeColor = 0x00FF00;
    settings.AnalyzerPattern = 14;
    visuals.PrepareAnalyzer(pictures);
    visuals.AnalyzerTick(spectrum, oscilloscope);
    EXPECT_EQ(surfaces.mainWindow.GetPixel(3, 5), gfx::Rgb(0, 255, 0));
    surfaces.mainWindow = surfaces.face;
    settings.AnalyzerDisable = 1;
    visuals.AnalyzerTick(spectrum, oscilloscope);
    EXPECT_EQ(surfaces.mainWindow.GetPixel(3, 5), gfx::Rgb(9, 9, 9));
    settings.AnalyzerDisable = 0;
    settings.AnalyzerPattern = 1;
    spectrum.live = false;
    visuals.AnalyzerTick(spectrum, oscilloscope);
    EXPECT_EQ(visuals.Analyzer().Peaks()[0], 1);
}

} // namespace
} // namespace vantor
