#include "core/StepPacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vantor {
namespace {

constexpr std::int32_t kTick = 15;

// The 1-based tick numbers at which each step ran, over `ticks` ticks.
std::vector<int> StepTicks(StepPacer& pacer, int ticks) {
    std::vector<int> at;
    for (int tick = 1; tick <= ticks; ++tick) {
        for (int steps = pacer.Advance(kTick); steps > 0; --steps)
            at.push_back(tick);
    }
    return at;
}

TEST(StepPacerTest, AnIntervalOfTwoTicksStepsOnEveryOtherTick) {
    StepPacer pacer(kTick);
    pacer.Start(30);
    const std::vector<int> at = StepTicks(pacer, 12);
    EXPECT_EQ(at, (std::vector<int>{2, 4, 6, 8, 10, 12}));
}

// The steps keep the configured rate over a long run, whatever the ratio of
// the interval to the tick, and each one runs at the tick nearest its time
// (those due before the first tick run with it).
TEST(StepPacerTest, StepsKeepTheirIntervalOnAverageAndRunAtTheNearestTick) {
    for (const std::int32_t interval : {50, 45, 100, 33, 16, 15, 14, 7, 1}) {
        SCOPED_TRACE(interval);
        StepPacer pacer(kTick);
        pacer.Start(interval);
        constexpr int kTicks = 4000; // a minute
        const std::vector<int> at = StepTicks(pacer, kTicks);
        // Steps due within half a tick of the last one ran with it.
        EXPECT_NEAR(static_cast<double>(at.size()), kTicks * kTick / static_cast<double>(interval),
                    kTick / 2.0 / interval + 1.0);
        for (std::size_t k = 0; k < at.size(); ++k) {
            const double due = static_cast<double>((k + 1) * static_cast<std::size_t>(interval));
            if (due < kTick / 2.0)
                ASSERT_EQ(at[k], 1) << "step " << k;
            else
                ASSERT_LE(std::abs(at[k] * kTick - due), kTick / 2.0) << "step " << k;
        }
    }
}

TEST(StepPacerTest, AStoppedPacerGivesNoStepsAndARestartCountsAFullInterval) {
    StepPacer pacer(kTick);
    EXPECT_FALSE(pacer.IsRunning());
    EXPECT_TRUE(StepTicks(pacer, 10).empty());

    pacer.Start(30);
    EXPECT_EQ(pacer.Advance(kTick), 0);
    pacer.Stop();
    EXPECT_FALSE(pacer.IsRunning());
    EXPECT_TRUE(StepTicks(pacer, 10).empty());

    // Half an interval had run up before the stop; it does not carry over.
    pacer.Start(30);
    EXPECT_EQ(pacer.Advance(kTick), 0);
    EXPECT_EQ(pacer.Advance(kTick), 1);
    // Starting a running pacer over has the same effect.
    EXPECT_EQ(pacer.Advance(kTick), 0);
    pacer.Start(30);
    EXPECT_EQ(pacer.Advance(kTick), 0);
    EXPECT_EQ(pacer.Advance(kTick), 1);
}

// A caller that sleeps through ticks hands the time it slept: the steps
// keep their rate, one per interval, whatever mixture of ticks and longer
// waits passed.
TEST(StepPacerTest, AWaitLongerThanATickGivesTheStepsThatFellDueInIt) {
    StepPacer pacer(kTick);
    pacer.Start(50);
    EXPECT_EQ(pacer.Advance(kTick) + pacer.Advance(kTick), 0); // 30 ms, plus the half tick
    EXPECT_EQ(pacer.Advance(50), 1);
    int steps = 0;
    for (int i = 0; i < 100; ++i)
        steps += pacer.Advance(50);
    EXPECT_EQ(steps, 100);
    EXPECT_EQ(pacer.Advance(200), 4);
    EXPECT_EQ(pacer.Advance(-10), 0);
    pacer.Stop();
    EXPECT_EQ(pacer.Advance(500), 0);
}

TEST(StepPacerTest, IntervalsBelowOneMillisecondCountAsOne) {
    for (const std::int32_t interval : {0, -5}) {
        StepPacer pacer(kTick);
        pacer.Start(interval);
        EXPECT_TRUE(pacer.IsRunning());
        // One step a millisecond: those due up to 157 ms ran by the tenth tick.
        EXPECT_EQ(StepTicks(pacer, 10).size(), 157u);
    }
}

} // namespace
} // namespace vantor
