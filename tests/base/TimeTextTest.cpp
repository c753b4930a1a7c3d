#include "base/TimeText.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(FormatTime, ShortFormAddsHoursOnlyWhenNeeded) {
    EXPECT_EQ(FormatTime(0), "00:00");
    EXPECT_EQ(FormatTime(59), "00:59");
    EXPECT_EQ(FormatTime(60), "01:00");
    EXPECT_EQ(FormatTime(75), "01:15");
    EXPECT_EQ(FormatTime(3599), "59:59");
    EXPECT_EQ(FormatTime(3600), "01:00:00");
    EXPECT_EQ(FormatTime(3725), "01:02:05");
    EXPECT_EQ(FormatTime(360000), "100:00:00");
}

TEST(FormatTime, VerboseFormNamesEachUnit) {
    EXPECT_EQ(FormatTime(0, true), "0 Seconds");
    EXPECT_EQ(FormatTime(3725, true), "1 Hours, 2 Minutes, 5 Seconds");
    EXPECT_EQ(FormatTime(3605, true), "1 Hours, 5 Seconds");
    EXPECT_EQ(FormatTime(61, true), "1 Minutes, 1 Seconds");
}

TEST(FormatTime, MillisecondsRoundHalvesToEven) {
    EXPECT_EQ(MillisecondsToSeconds(1500), 2);
    EXPECT_EQ(MillisecondsToSeconds(2500), 2);
    EXPECT_EQ(MillisecondsToSeconds(2501), 3);
    EXPECT_EQ(MillisecondsToSeconds(1e15), std::numeric_limits<std::int32_t>::max());
}

TEST(ListLengthText, DropsOneLeadingZero) {
    EXPECT_EQ(ListLengthText(185000), "3:05");
    EXPECT_EQ(ListLengthText(725000), "12:05");
    EXPECT_EQ(ListLengthText(3600000), "1:00:00");
    EXPECT_EQ(ListLengthText(0), "0:00");
}

} // namespace
} // namespace vantor
