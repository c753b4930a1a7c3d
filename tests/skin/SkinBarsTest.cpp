#include "BarFixture.h"

#include "skin/BarMapping.h"

namespace vantor {
namespace {

using namespace test;

class SkinBarsTest : public BarFixture {};

TEST_F(SkinBarsTest, NormalHorizontalFillsTheTravelledPartFromThePressedFace) {
    Bar(BarKind::Volume, {10, 5, 110, 15}, "NORMAL");
    bars.PrepareForSkin();
    ASSERT_TRUE(bars.PointerAt(BarKind::Volume, 60, 8, true));
    EXPECT_EQ(settings.MasterVolume, 128);
    EXPECT_EQ(sound.calls.back(), "volume 128");
    EXPECT_EQ(At(10, 5), kPressed);
    EXPECT_EQ(At(59, 14), kPressed);
    EXPECT_EQ(At(60, 5), kFace);
    EXPECT_EQ(At(59, 15), kFace);
    EXPECT_EQ(LastText(), "50%");
    // Left of the field: nothing travelled, and the earlier fill is gone.
    bars.PointerAt(BarKind::Volume, 2, 8, true);
    EXPECT_EQ(settings.MasterVolume, 0);
    EXPECT_EQ(LastText(), "0%");
    EXPECT_EQ(At(10, 5), kFace);
}

TEST_F(SkinBarsTest, NormalVerticalGrowsUpward) {
    Bar(BarKind::Pan, {0, 0, 10, 40}, "NORMAL", "VERTICAL");
    bars.PointerAt(BarKind::Pan, 5, 40, true);
    EXPECT_EQ(settings.PanPosition, 0);
    bars.PointerAt(BarKind::Pan, 5, 0, true);
    EXPECT_EQ(settings.PanPosition, 255);
    bars.PointerAt(BarKind::Pan, 5, 20, true);
    EXPECT_EQ(At(5, 19), kFace);
    EXPECT_EQ(At(5, 20), kPressed);
    EXPECT_EQ(At(9, 39), kPressed);
    EXPECT_EQ(At(10, 39), kFace);
}

TEST_F(SkinBarsTest, KnobSlidesCentredOnThePointerWithMagentaKeyed) {
    SkinBarStyle& bar = Bar(BarKind::Volume, {0, 0, 100, 10}, "BAR");
    gfx::Surface knob(10, 10, kKnob);
    knob.SetPixel(0, 0, gfx::kMagenta);
    bar.knob = std::make_shared<gfx::Surface>(knob);
    bar.knobPressed = std::make_shared<gfx::Surface>(10, 10, gfx::Rgb(1, 1, 1));
    bars.PointerAt(BarKind::Volume, 50, 5, false);
    EXPECT_EQ(settings.MasterVolume, 128); // offset 45 of 90
    EXPECT_EQ(At(45, 0), kFace);
    EXPECT_EQ(At(46, 0), kKnob);
    EXPECT_EQ(At(54, 9), kKnob);
    EXPECT_EQ(At(55, 5), kFace);
    EXPECT_EQ(At(44, 5), kFace);
    bars.PointerAt(BarKind::Volume, 500, 5, true);
    EXPECT_EQ(settings.MasterVolume, 255);
    EXPECT_EQ(At(95, 5), gfx::Rgb(1, 1, 1));
    EXPECT_EQ(At(50, 5), kFace);
}

TEST_F(SkinBarsTest, VerticalKnobStartsAtTheBottom) {
    SkinBarStyle& bar = Bar(BarKind::Volume, {0, 0, 10, 40}, "BAR", "VERTICAL");
    bar.knob = std::make_shared<gfx::Surface>(10, 10, kKnob);
    bars.PointerAt(BarKind::Volume, 5, 40, false);
    EXPECT_EQ(settings.MasterVolume, 0);
    EXPECT_EQ(At(5, 30), kKnob);
    EXPECT_EQ(At(5, 29), kFace);
    bars.PointerAt(BarKind::Volume, 5, 0, false);
    EXPECT_EQ(settings.MasterVolume, 255);
    EXPECT_EQ(At(5, 0), kKnob);
    EXPECT_EQ(At(5, 10), kFace);
}

TEST_F(SkinBarsTest, KnobAsLargeAsTheFieldDrawsNothing) {
    SkinBarStyle& bar = Bar(BarKind::Volume, {0, 0, 10, 10}, "BAR");
    bar.knob = std::make_shared<gfx::Surface>(10, 10, kKnob);
    settings.MasterVolume = 77;
    bars.PointerAt(BarKind::Volume, 5, 5, false);
    EXPECT_EQ(settings.MasterVolume, 77);
    EXPECT_EQ(At(5, 5), kFace);
}

class AdvanceBarTest : public BarFixture {
protected:
    AdvanceBarTest() {
        SkinBarStyle& bar = Bar(BarKind::Volume, {20, 0, 40, 10}, "ADVANCE");
        gfx::Surface strip(40, 10);
        for (int frame = 0; frame < 4; ++frame)
            strip.FillRect(gfx::Rect::FromSize(frame * 10, 0, 10, 10), Frame(frame));
        strip.SetPixel(30, 0, gfx::kMagenta);
        bar.knob = std::make_shared<gfx::Surface>(strip);
        bar.knobWidth = 10;
        bar.knobHeight = 10;
        gfx::Surface map(20, 10, gfx::Rgb(0, 0, 0));
        map.FillRect({10, 0, 19, 10}, gfx::Rgb(255, 255, 255));
        map.FillRect({19, 0, 20, 10}, gfx::kMagenta);
        map.SetPixel(5, 5, gfx::Rgb(90, 90, 90));
        bar.track = std::make_shared<gfx::Surface>(map);
        bars.PrepareForSkin();
    }
    static gfx::Pixel Frame(int n) {
        return gfx::Rgb(static_cast<std::uint8_t>(50 * (n + 1)), 0, 0);
    }
};

TEST_F(AdvanceBarTest, PositionMapChoosesTheFrame) {
    EXPECT_EQ(bars.LastFrame(BarKind::Volume), 3);
    ASSERT_TRUE(bars.PointerAt(BarKind::Volume, 35, 5, true));
    EXPECT_EQ(settings.MasterVolume, 255);
    EXPECT_EQ(At(20, 0), kFace); // magenta in the frame
    EXPECT_EQ(At(21, 0), Frame(3));
    // Grey 90 of 255 is frame round(1.06) = 1, value round(1 / 3 × 255) = 85.
    ASSERT_TRUE(bars.PointerAt(BarKind::Volume, 25, 5, true));
    EXPECT_EQ(settings.MasterVolume, 85);
    EXPECT_EQ(At(20, 0), Frame(1));
}

TEST_F(AdvanceBarTest, PressOnMagentaOfTheMapIsIgnored) {
    settings.MasterVolume = 40;
    EXPECT_FALSE(bars.Hits(BarKind::Volume, 39, 5));
    EXPECT_TRUE(bars.Hits(BarKind::Volume, 38, 5));
    EXPECT_FALSE(bars.Hits(BarKind::Volume, 41, 5));
    EXPECT_FALSE(bars.PointerAt(BarKind::Volume, 39, 5, true));
    EXPECT_EQ(settings.MasterVolume, 40);
    EXPECT_TRUE(sound.calls.empty());
    EXPECT_EQ(At(25, 5), kFace);
}

TEST_F(AdvanceBarTest, RedrawShowsTheFrameOfTheStoredValue) {
    settings.MasterVolume = 170; // 2 of 3
    bars.Redraw(BarKind::Volume);
    EXPECT_EQ(At(25, 5), Frame(2));
}

class SeekMapTest : public BarFixture {
protected:
    SeekMapTest() {
        SkinBarStyle& bar = Bar(BarKind::Seek, {10, 10, 14, 11}, "ADVANCE");
        gfx::Surface map(4, 1);
        map.SetPixel(0, 0, gfx::Rgb(10, 10, 10));
        map.SetPixel(1, 0, gfx::Rgb(20, 20, 20));
        map.SetPixel(2, 0, gfx::kMagenta);
        map.SetPixel(3, 0, gfx::Rgb(30, 30, 30));
        bar.track = std::make_shared<gfx::Surface>(map);
        bars.PrepareForSkin();
    }
};

TEST_F(SeekMapTest, PlayedPartIsEveryMapPixelUpToThePosition) {
    bars.ShowSeekValue(20);
    EXPECT_EQ(At(10, 10), kPressed);
    EXPECT_EQ(At(11, 10), kPressed);
    EXPECT_EQ(At(12, 10), kFace);
    EXPECT_EQ(At(13, 10), kFace);
    bars.ShowSeekValue(30);
    EXPECT_EQ(At(13, 10), kPressed);
    EXPECT_EQ(At(12, 10), kFace);
    // Moving back rebuilds the mask from empty.
    bars.ShowSeekValue(15);
    EXPECT_EQ(At(10, 10), kPressed);
    EXPECT_EQ(At(11, 10), kFace);
    EXPECT_EQ(At(13, 10), kFace);
}

TEST_F(SeekMapTest, ReleaseAppliesTheGreyLevelAndMagentaRepeatsTheLastValue) {
    ASSERT_TRUE(bars.PointerAt(BarKind::Seek, 11, 10, true));
    EXPECT_EQ(At(11, 10), kPressed);
    EXPECT_EQ(At(13, 10), kFace);
    bars.Release(BarKind::Seek, 11, 10);
    EXPECT_EQ(sound.calls.back(), "setseek 20");
    EXPECT_FALSE(bars.PointerAt(BarKind::Seek, 12, 10, true));
    bars.Release(BarKind::Seek, 12, 10);
    EXPECT_EQ(sound.calls.back(), "setseek 20");
    EXPECT_EQ(At(11, 10), kPressed);
}

TEST_F(SkinBarsTest, PanDisabledKeepsTheSoundCentred) {
    Bar(BarKind::Pan, {0, 0, 255, 10}, "NORMAL");
    settings.PanEnable = 0;
    bars.PointerAt(BarKind::Pan, 200, 5, true);
    EXPECT_EQ(settings.PanPosition, 200);
    EXPECT_EQ(sound.calls.back(), "pan 128");
    EXPECT_EQ(LastText(), "R72");
    settings.PanEnable = 1;
    bars.PointerAt(BarKind::Pan, 0, 5, true);
    EXPECT_EQ(sound.calls.back(), "pan 0");
    EXPECT_EQ(LastText(), "L128");
}

TEST_F(SkinBarsTest, PitchFollowsThePointerAndSnapsWhenAutoReset) {
    SkinBarStyle& bar = Bar(BarKind::Pitch, {0, 0, 90, 10}, "NORMAL");
    bars.PointerAt(BarKind::Pitch, 0, 5, true);
    EXPECT_FLOAT_EQ(settings.SoundStretchScale, 0.5f);
    EXPECT_EQ(settings.SoundStretchEnable, 1);
    EXPECT_EQ(LastText(), "×0.50");
    bars.PointerAt(BarKind::Pitch, 32, 5, true); // 1.0333
    EXPECT_NEAR(settings.SoundStretchScale, 1.0333f, 1e-4);
    bar.autoReset = 1;
    bars.PointerAt(BarKind::Pitch, 32, 5, true);
    EXPECT_FLOAT_EQ(settings.SoundStretchScale, 1.0f);
    EXPECT_EQ(LastText(), "×1.00");
    EXPECT_EQ(At(29, 5), kPressed);
    EXPECT_EQ(At(30, 5), kFace);
}

TEST_F(SkinBarsTest, NormalSeekDragSeeksAndReleaseSetsTheValue) {
    Bar(BarKind::Seek, {0, 0, 100, 10}, "NORMAL");
    bars.PointerAt(BarKind::Seek, 50, 5, true);
    EXPECT_EQ(sound.calls.back(), "seekto 0.500000");
    bars.Release(BarKind::Seek, 100, 5);
    EXPECT_EQ(sound.calls.back(), "setseek 255");
}

// A "BAR" seek knob twice as tall as its field.
class SeekKnobTest : public BarFixture {
protected:
    SeekKnobTest() {
        SkinBarStyle& bar = Bar(BarKind::Seek, {0, 20, 100, 24}, "BAR");
        bar.knob = std::make_shared<gfx::Surface>(10, 8, kKnob);
        bars.PrepareForSkin();
    }
};

TEST_F(SeekKnobTest, TheSamePositionAgainLeavesTheWindowAlone) {
    bars.ShowSeekValue(51); // offset 18 of 90
    ASSERT_EQ(At(18, 27), kKnob);
    surfaces.mainWindow.TakeWrittenArea();
    bars.ShowSeekValue(51);
    EXPECT_TRUE(surfaces.mainWindow.TakeWrittenArea().IsEmpty());
    bars.ShowSeekValue(255);
    EXPECT_EQ(At(18, 27), kKnob) << "below the field nothing is restored";
    EXPECT_EQ(At(18, 21), kFace);
    EXPECT_EQ(At(90, 21), kKnob);
}

// Whatever goes over the knob, even the part below the field, brings the
// same position back in full.
TEST_F(SeekKnobTest, TheSamePositionIsDrawnAgainOverWhatCoveredTheKnob) {
    bars.ShowSeekValue(51);
    surfaces.mainWindow.FillRect({0, 20, 100, 24}, kPressed);
    bars.ShowSeekValue(51);
    EXPECT_EQ(At(18, 21), kKnob);
    EXPECT_EQ(At(50, 21), kFace);

    surfaces.mainWindow.SetPixel(20, 26, kPressed);
    bars.ShowSeekValue(51);
    EXPECT_EQ(At(20, 26), kKnob);
}

TEST_F(SeekKnobTest, ANewSkinDrawsTheSamePositionAnew) {
    bars.ShowSeekValue(51);
    constexpr gfx::Pixel kNewKnob = gfx::Rgb(7, 7, 7);
    skin.Bar(BarKind::Seek).knob = std::make_shared<gfx::Surface>(10, 8, kNewKnob);
    bars.PrepareForSkin();
    bars.ShowSeekValue(51);
    EXPECT_EQ(At(18, 21), kNewKnob);
}

} // namespace
} // namespace vantor
