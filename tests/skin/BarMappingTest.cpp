#include "skin/BarMapping.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

SkinBarStyle BarOf(SkinRect rect, const std::string& direction = "HORIZONTAL") {
    SkinBarStyle bar;
    bar.rect = rect;
    bar.direction = direction;
    return bar;
}

TEST(BarMappingTest, HorizontalDistanceIsClampedToTheSpan) {
    const SkinBarStyle bar = BarOf({10, 0, 110, 10});
    EXPECT_DOUBLE_EQ(TravelledDistance(bar, 60, 5), 50);
    EXPECT_DOUBLE_EQ(TravelledDistance(bar, 0, 5), 0);
    EXPECT_DOUBLE_EQ(TravelledDistance(bar, 500, 5), 100);
    EXPECT_EQ(ValueFromFraction(50.0 / 100), 128); // round(127.5) to even
    EXPECT_EQ(VolumeText(128), "50%");
    EXPECT_EQ(VolumeText(0), "0%");
}

TEST(BarMappingTest, VerticalBarsGrowUpward) {
    const SkinBarStyle bar = BarOf({0, 10, 10, 60}, "VERTICAL");
    EXPECT_DOUBLE_EQ(TravelledDistance(bar, 5, 60), 0);
    EXPECT_DOUBLE_EQ(TravelledDistance(bar, 5, 10), 50);
    EXPECT_EQ(ValueFromFraction(TravelledDistance(bar, 5, 10) / BarSpan(bar)), 255);
}

TEST(BarMappingTest, PanTexts) {
    EXPECT_EQ(PanText(128), "Mid");
    EXPECT_EQ(PanText(200), "R72");
    EXPECT_EQ(PanText(0), "L128");
}

TEST(BarMappingTest, PitchMappingAndTexts) {
    EXPECT_EQ(PitchText(PitchFromFraction(0)), "×0.50");
    EXPECT_EQ(PitchText(PitchFromFraction(1)), "×2.00");
    EXPECT_EQ(PitchText(PitchFromFraction(1.0 / 3.0)), "×1.00");
    EXPECT_EQ(PitchNumberText(1.5f), "1.50");
    EXPECT_EQ(PitchNumberText(1.23456f), "1.23");
    // Below 1 the text is cut before its leading zero is put back.
    EXPECT_EQ(PitchNumberText(0.8333333f), "0.833");
    EXPECT_NEAR(FractionFromPitch(1.25f), 0.5, 1e-6);
}

TEST(BarMappingTest, PitchSnapRange) {
    EXPECT_TRUE(PitchSnaps(0.95f));
    EXPECT_TRUE(PitchSnaps(1.1f));
    EXPECT_FALSE(PitchSnaps(1.0f));
    EXPECT_FALSE(PitchSnaps(1.2f));
    EXPECT_FALSE(PitchSnaps(0.85f));
}

TEST(BarMappingTest, FramesAndMapLevels) {
    EXPECT_EQ(LastFrame(50, 10), 4);
    EXPECT_EQ(LastFrame(50, 0), -1);
    EXPECT_EQ(FrameForFraction(0.5, 4), 2);
    EXPECT_EQ(FrameForFraction(1.0, 4), 4);
    EXPECT_FALSE(MapLevel(gfx::kMagenta).has_value());
    EXPECT_DOUBLE_EQ(*MapLevel(gfx::Rgb(30, 60, 90)), 60.0);
}

} // namespace
} // namespace vantor
