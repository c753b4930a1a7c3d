#include "visual/Oscilloscope.h"
#include "visual/OscilloscopeCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vantor {
namespace {

constexpr gfx::Pixel kFace = gfx::Rgb(9, 9, 9);
constexpr gfx::Pixel kLine = gfx::Rgb(0, 255, 0);

class FakeOscilloscopeInput : public OscilloscopeInput {
public:
    std::int32_t ChannelsPlaying() override { return channels; }
    std::int32_t BufferLength() override { return length; }
    std::int32_t BufferLengthTotal() override { return length * 4; }
    void SetBlockCount(std::int32_t count) override { blockCount = count; }
    std::size_t CopySoundingBlock(std::span<float> out) override {
        const std::size_t count = std::min(out.size(), block.size());
        std::copy_n(block.begin(), count, out.begin());
        return count;
    }

    std::int32_t channels = 1;
    std::int32_t length = 40;
    std::int32_t blockCount = 0;
    std::vector<float> block;
};

class OscilloscopeTest : public ::testing::Test {
protected:
    void Frame() { DrawOscilloscope(window, face, work, area, pen, input, settings); }
    int RowsWithLine(int x) const {
        int rows = 0;
        for (int y = area.top; y < area.bottom; ++y)
            rows += window.GetPixel(x, y) == kLine ? 1 : 0;
        return rows;
    }

    SkinRect area{2, 2, 22, 12}; // 20 × 10
    gfx::Surface face{30, 20, kFace};
    gfx::Surface window{30, 20, kFace};
    gfx::Surface work;
    gfx::Pen pen{kLine, 1};
    FakeOscilloscopeInput input;
    Settings settings;
};

TEST(OscilloscopeRowTest, MapsTheSampleRangeOntoTheArea) {
    EXPECT_EQ(OscilloscopeRow(-32768, 10, false), 0);
    EXPECT_EQ(OscilloscopeRow(0, 10, false), 5);
    EXPECT_EQ(OscilloscopeRow(32767, 10, false), 10);
    EXPECT_EQ(OscilloscopeRow(21845, 10, true), 10);
    EXPECT_EQ(OscilloscopeRow(-21846, 10, true), 0);
    EXPECT_LT(OscilloscopeRow(-32768, 10, true), 0); // beyond the area: clipped
}

TEST_F(OscilloscopeTest, NothingPlayingShowsOneLineThroughTheMiddle) {
    input.channels = 0;
    Frame();
    for (int x = 2; x < 21; ++x)
        EXPECT_EQ(window.GetPixel(x, 7), kLine) << x;
    EXPECT_EQ(window.GetPixel(21, 7), kFace); // the end point is left out
    EXPECT_EQ(RowsWithLine(10), 1);
}

TEST_F(OscilloscopeTest, SilenceDrawsTheMiddleRowAndTheTopSampleTheTopRow) {
    input.block.assign(41, 0.0f);
    Frame();
    EXPECT_EQ(input.blockCount, 4);
    EXPECT_EQ(window.GetPixel(12, 7), kLine);
    EXPECT_EQ(RowsWithLine(12), 1);
    input.block.assign(41, -32768.0f);
    Frame();
    EXPECT_EQ(window.GetPixel(12, 2), kLine);
    EXPECT_EQ(window.GetPixel(12, 7), kFace);
    input.block.assign(41, 32767.0f);
    Frame();
    EXPECT_EQ(RowsWithLine(12), 0); // drawn on the row just below the area
}

TEST_F(OscilloscopeTest, PenFollowsSkinUnlessTheUserOverrides) {
    SkinDefinition skin;
    settings.OscilloscopeColor = 0x0000FF;
    settings.OscilloscopeDrawWidth = 3;
    settings.AnalyzerPattern = 14;
    gfx::Pen chosen;
    ApplyOscilloscopePen(chosen, skin, settings);
    EXPECT_EQ(chosen.Colour(), gfx::Rgb(255, 0, 0));
    EXPECT_EQ(chosen.Width(), 3);
    skin.oscilloscopeColor = 0x00FF00;
    skin.oscilloscopeWidth = 2;
    ApplyOscilloscopePen(chosen, skin, settings);
    EXPECT_EQ(chosen.Colour(), gfx::Rgb(0, 255, 0));
    EXPECT_EQ(chosen.Width(), 2);
    settings.IgnoreSkinOscilloConfig = 1;
    ApplyOscilloscopePen(chosen, skin, settings);
    EXPECT_EQ(chosen.Colour(), gfx::Rgb(255, 0, 0));
    EXPECT_EQ(chosen.Width(), 3);
    settings.AnalyzerPattern = 3;
    chosen.SetWidth(1);
    ApplyOscilloscopePen(chosen, skin, settings);
    EXPECT_EQ(chosen.Width(), 1);
}

TEST(OscilloscopeCaptureTest, PublishesTheNewestBlockAndWrapsTheCounter) {
    OscilloscopeCapture capture;
    std::vector<float> out(8, -1.0f);
    EXPECT_EQ(capture.CopySounding(out), 0u);
    capture.SetBlockCount(2);
    std::vector<float> block(6, 1.0f);
    EXPECT_EQ(OscilloscopeCapture::Callback(nullptr, block.data(), 3, &capture), block.data());
    EXPECT_EQ(capture.BlockCounter(), 1);
    block.assign(6, 2.0f);
    OscilloscopeCapture::Callback(nullptr, block.data(), 3, &capture);
    EXPECT_EQ(capture.BlockCounter(), 0);
    EXPECT_EQ(capture.CopySounding(out), 6u);
    EXPECT_EQ(out[0], 2.0f);
    EXPECT_EQ(out[6], -1.0f);
    std::vector<float> large(4000, 3.0f);
    OscilloscopeCapture::Callback(nullptr, large.data(), 2000, &capture);
    std::vector<float> all(4000, 0.0f);
    EXPECT_EQ(capture.CopySounding(all), OscilloscopeCapture::kCapacity);
}

} // namespace
} // namespace vantor
