#include "visual/AnalyzerDisplay.h"
#include "FakeAnalyzerSource.h"
#include "gfx/Blit.h"

#include <gtest/gtest.h>

#include <random>

namespace vantor {
namespace {

constexpr gfx::Pixel kFace = gfx::Rgb(9, 9, 9);
constexpr gfx::Pixel kPeak = gfx::Rgb(250, 250, 250);

class AnalyzerDisplayTest : public ::testing::Test {
protected:
    void PlaceArea(SkinRect area) {
        analyzer.Place(area);
        analyzer.SetPattern(BuildDefaultPattern(area.Height()), 0);
        analyzer.SetPeakColour(kPeak);
        window = gfx::Surface(area.right + 2, area.bottom + 2, kFace);
        face = window;
    }
    void Frame(int style) {
        analyzer.DrawSpectrum(window, face, style, source.live, source, settings);
    }

    AnalyzerDisplay analyzer;
    test::FakeAnalyzerSource source;
    Settings settings;
    gfx::Surface window;
    gfx::Surface face;
};

TEST(DefaultPatternTest, RunsFromRedAndYellowToBlue) {
    const gfx::Surface pattern = BuildDefaultPattern(11);
    ASSERT_EQ(pattern.Width(), 3);
    ASSERT_EQ(pattern.Height(), 10);
    EXPECT_EQ(pattern.GetPixel(0, 0), gfx::Rgb(255, 23, 0));
    EXPECT_EQ(pattern.GetPixel(2, 0), gfx::Rgb(255, 23, 0));
    EXPECT_EQ(pattern.GetPixel(0, 3), gfx::Rgb(255, 92, 0));  // f = 0.3 still adds green
    EXPECT_EQ(pattern.GetPixel(0, 4), gfx::Rgb(239, 92, 0));  // red falls
    EXPECT_EQ(pattern.GetPixel(0, 5), gfx::Rgb(207, 87, 32)); // blue rises
    EXPECT_EQ(pattern.GetPixel(0, 8), gfx::Rgb(127, 45, 128));
    EXPECT_EQ(pattern.GetPixel(0, 9), gfx::Rgb(111, 13, 160));
    EXPECT_TRUE(BuildDefaultPattern(1).IsEmpty());
}

TEST_F(AnalyzerDisplayTest, AmplifyOffGroupsBinsAndTakesTheLargest) {
    PlaceArea({0, 0, 128, 10});
    source.spectrum[3] = 0.1f;
    source.spectrum[4] = 0.05f;
    source.spectrum[5] = 0.2f;
    Frame(1);
    EXPECT_FLOAT_EQ(analyzer.Levels()[0], 0.4f);
    EXPECT_FLOAT_EQ(analyzer.Levels()[1], 0.8f);
    PlaceArea({0, 0, 100, 10});
    source.spectrum = {};
    source.spectrum[500] = 1.0f;
    source.spectrum[499] = 0.1f;
    Frame(1);
    EXPECT_FLOAT_EQ(analyzer.Levels()[99], 0.4f); // bins 495..499
    for (float level : analyzer.Levels())
        EXPECT_LE(level, 0.4f); // bin 500 is never shown
}

TEST_F(AnalyzerDisplayTest, AmplifyOnShowsOneBinPerColumnTimesSix) {
    PlaceArea({0, 0, 64, 10});
    settings.SpectrumAmplify = 1;
    source.spectrum[2] = 0.1f;
    source.spectrum[3] = 0.5f;
    Frame(1);
    EXPECT_FLOAT_EQ(analyzer.Levels()[2], 0.6f);
    EXPECT_FLOAT_EQ(analyzer.Levels()[3], 1.0f);
    EXPECT_FLOAT_EQ(analyzer.Levels()[1], 0.0f);
}

TEST_F(AnalyzerDisplayTest, FullLevelGivesAFullBarAndAPeakOnTheTopRow) {
    PlaceArea({2, 3, 6, 13});
    settings.SpectrumAmplify = 1;
    source.spectrum[0] = 0.5f;
    Frame(1);
    EXPECT_EQ(analyzer.Peaks()[0], 0);
    EXPECT_EQ(window.GetPixel(2, 3), kPeak);
    const gfx::Surface pattern = BuildDefaultPattern(10);
    for (int row = 1; row < 9; ++row)
        EXPECT_EQ(window.GetPixel(2, 3 + row), pattern.GetPixel(0, row)) << row;
    EXPECT_EQ(window.GetPixel(3, 12), kFace); // an empty column
}

TEST_F(AnalyzerDisplayTest, Style1DrawsTheBarBelowItsTopAndThePeakPixel) {
    PlaceArea({0, 0, 4, 10});
    settings.SpectrumAmplify = 1;
    source.spectrum[1] = 0.5f / 6.0f; // level 0.5: bar of 5, top at 5
    Frame(1);
    // Peaks start at the top and fall at most one pixel per tick.
    EXPECT_EQ(analyzer.Peaks()[1], 1);
    EXPECT_EQ(window.GetPixel(1, 1), kPeak);
    EXPECT_EQ(window.GetPixel(1, 5), kFace);
    const gfx::Surface pattern = BuildDefaultPattern(10);
    EXPECT_EQ(window.GetPixel(1, 6), pattern.GetPixel(0, 6));
    EXPECT_EQ(window.GetPixel(1, 8), pattern.GetPixel(0, 8));
    for (int tick = 0; tick < 10; ++tick)
        Frame(1);
    EXPECT_EQ(analyzer.Peaks()[1], 5); // resting on the bar top
    EXPECT_EQ(window.GetPixel(1, 5), kPeak);
    EXPECT_EQ(window.GetPixel(1, 1), kFace);
}

TEST_F(AnalyzerDisplayTest, EvenStylesDrawThreePixelColumnsWithAGap) {
    PlaceArea({0, 0, 8, 10});
    settings.SpectrumAmplify = 1;
    for (int i = 0; i < 8; ++i)
        source.spectrum[i] = 1.0f;
    Frame(2);
    for (int x : {0, 1, 2, 4, 5, 6})
        EXPECT_EQ(window.GetPixel(x, 0), kPeak) << x;
    EXPECT_EQ(window.GetPixel(3, 0), kFace);
    EXPECT_EQ(window.GetPixel(7, 0), kFace);
    EXPECT_EQ(window.GetPixel(5, 4), BuildDefaultPattern(10).GetPixel(1, 4));
}

TEST_F(AnalyzerDisplayTest, StripedStylesKeepEveryOtherRow) {
    PlaceArea({0, 0, 2, 10});
    settings.SpectrumAmplify = 1;
    source.spectrum[0] = 1.0f;
    Frame(9);
    const gfx::Surface pattern = BuildDefaultPattern(10);
    EXPECT_EQ(window.GetPixel(0, 2), pattern.GetPixel(0, 2));
    EXPECT_EQ(window.GetPixel(0, 3), kFace);
    EXPECT_EQ(window.GetPixel(0, 4), pattern.GetPixel(0, 4));
}

TEST_F(AnalyzerDisplayTest, PatternPeaksComeFromThePattern) {
    PlaceArea({0, 0, 2, 10});
    settings.SpectrumAmplify = 1;
    source.spectrum[0] = 0.7f / 6.0f; // bar top 3
    for (int tick = 0; tick < 5; ++tick)
        Frame(7);
    EXPECT_EQ(analyzer.Peaks()[0], 3);
    EXPECT_EQ(window.GetPixel(0, 3), BuildDefaultPattern(10).GetPixel(0, 3));
    EXPECT_EQ(window.GetPixel(0, 5), kFace); // no bar in style 7
}

TEST_F(AnalyzerDisplayTest, PauseFreezesTheBarsWhilePeaksSettle) {
    PlaceArea({0, 0, 4, 10});
    settings.SpectrumAmplify = 1;
    source.spectrum[0] = 0.5f / 6.0f;
    Frame(1);
    source.paused = true;
    source.spectrum[0] = 0.0f;
    const int fetches = source.fetches;
    for (int tick = 0; tick < 8; ++tick)
        Frame(1);
    EXPECT_EQ(source.fetches, fetches);
    EXPECT_FLOAT_EQ(analyzer.Levels()[0], 0.5f);
    EXPECT_EQ(analyzer.Peaks()[0], 5);
}

TEST_F(AnalyzerDisplayTest, AfterStopPeaksFallToTheBottomRowAndNoBarsAreDrawn) {
    PlaceArea({0, 0, 4, 10});
    settings.SpectrumAmplify = 1;
    source.spectrum[0] = 1.0f;
    Frame(1);
    source.live = false;
    Frame(1);
    EXPECT_EQ(analyzer.Peaks()[0], 1);
    EXPECT_EQ(window.GetPixel(0, 1), kPeak);
    EXPECT_EQ(window.GetPixel(0, 5), kFace);
    for (int tick = 0; tick < 20; ++tick)
        Frame(1);
    EXPECT_EQ(analyzer.Peaks()[0], 9);
    EXPECT_EQ(window.GetPixel(0, 9), kPeak);
}

TEST_F(AnalyzerDisplayTest, Style13MirrorsAroundTheMiddleLineInThePenColour) {
    PlaceArea({0, 0, 4, 10});
    analyzer.Pen().SetColour(gfx::Rgb(0, 255, 0));
    settings.SpectrumAmplify = 1;
    source.spectrum[1] = 0.4f / 6.0f; // a = 4, half 2
    Frame(13);
    const gfx::Pixel pen = gfx::Rgb(0, 255, 0);
    EXPECT_EQ(window.GetPixel(0, 5), pen);
    EXPECT_EQ(window.GetPixel(3, 5), pen);
    EXPECT_EQ(window.GetPixel(1, 3), kFace);
    EXPECT_EQ(window.GetPixel(1, 4), pen);
    EXPECT_EQ(window.GetPixel(1, 6), pen);
    EXPECT_EQ(window.GetPixel(1, 7), kFace);
    EXPECT_EQ(window.GetPixel(0, 4), kFace);
}

// A face whose every pixel differs, so that a column drawn over the wrong
// background shows.
gfx::Surface PatternedFace(int width, int height) {
    gfx::Surface face(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            face.SetPixel(
                x, y,
                gfx::Rgb(static_cast<std::uint8_t>(x * 5), 40, static_cast<std::uint8_t>(y * 9)));
    }
    return face;
}

// Frames drawn over the last one, column by column, show what whole frames
// show: a second analyzer draws every frame on a window made anew from the
// face, through style changes, pauses, stops, pen changes and a face drawn
// over the area now and then.
TEST_F(AnalyzerDisplayTest, ColumnsDrawnOverTheLastFrameShowWhatAWholeFrameShows) {
    const SkinRect area{3, 2, 46, 16};
    PlaceArea(area);
    face = PatternedFace(window.Width(), window.Height());
    window = face;
    AnalyzerDisplay whole;
    whole.Place(area);
    whole.SetPattern(BuildDefaultPattern(area.Height()), 0);
    whole.SetPeakColour(kPeak);
    std::mt19937 random(11);
    std::uniform_real_distribution<float> level(0.0f, 0.3f);
    for (int frame = 0; frame < 600; ++frame) {
        const int style = 1 + (frame / 23) % 13;
        if (frame % 4 != 0) {
            for (std::size_t bin = 0; bin < 64; ++bin)
                source.spectrum[bin] = frame % 3 == 0 && bin % 5 == 0 ? 0.0f : level(random);
        }
        settings.SpectrumAmplify = (frame / 150) % 2;
        source.paused = frame % 60 >= 50;
        source.live = frame % 110 < 90;
        if (frame % 41 == 0)
            gfx::Blit(window, {0, 0}, face, face.Bounds());
        if (frame % 97 == 0) {
            const gfx::Pixel pen = gfx::Rgb(0, static_cast<std::uint8_t>(frame), 200);
            analyzer.Pen().SetColour(pen);
            whole.Pen().SetColour(pen);
        }
        Frame(style);
        gfx::Surface fresh = face;
        whole.DrawSpectrum(fresh, face, style, source.live, source, settings);
        ASSERT_EQ(window, fresh) << "frame " << frame << ", style " << style;
    }
}

// A steady tone moves no bar once the peaks have settled: nothing is written
// and so nothing goes to the display, until something draws over the area.
TEST_F(AnalyzerDisplayTest, SteadyLevelsWriteNothingUntilTheAreaIsDrawnOver) {
    PlaceArea({0, 0, 8, 10});
    settings.SpectrumAmplify = 1;
    source.spectrum[2] = 0.5f / 6.0f;
    for (int tick = 0; tick < 12; ++tick)
        Frame(5);
    window.TakeWrittenArea();
    Frame(5);
    EXPECT_TRUE(window.TakeWrittenArea().IsEmpty());
    source.spectrum[2] = 0.8f / 6.0f;
    Frame(5);
    EXPECT_EQ(window.TakeWrittenArea().Bounds(), (gfx::Rect{2, 0, 3, 10}));
    window.FillRect({0, 0, 8, 10}, gfx::kWhite);
    window.TakeWrittenArea();
    Frame(5);
    EXPECT_EQ(window.TakeWrittenArea().Bounds(), (gfx::Rect{0, 0, 8, 10}));
    EXPECT_EQ(window.GetPixel(5, 9), kFace);
}

TEST_F(AnalyzerDisplayTest, NothingIsDrawnBeforeTheAreaIsPlaced) {
    window = gfx::Surface(4, 4, kFace);
    face = gfx::Surface(4, 4, gfx::Rgb(1, 1, 1));
    Frame(1);
    EXPECT_EQ(window.GetPixel(0, 0), kFace);
}

} // namespace
} // namespace vantor
