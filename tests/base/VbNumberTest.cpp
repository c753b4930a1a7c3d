#include "base/VbNumber.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Val, ReadsTheLeadingNumberOnly) {
    EXPECT_DOUBLE_EQ(Val("12abc"), 12.0);
    EXPECT_DOUBLE_EQ(Val("  -3.25 rest"), -3.25);
    EXPECT_DOUBLE_EQ(Val("+7"), 7.0);
    EXPECT_DOUBLE_EQ(Val("abc"), 0.0);
    EXPECT_DOUBLE_EQ(Val(""), 0.0);
    EXPECT_DOUBLE_EQ(Val("-"), 0.0);
    EXPECT_DOUBLE_EQ(Val("5."), 5.0);
}

TEST(IntDiv, RoundsOperandsThenTruncates) {
    EXPECT_EQ(IntDiv(7, 2), 3);
    EXPECT_EQ(IntDiv(-7, 2), -3);
    EXPECT_EQ(IntDiv(7.5, 2), 4);
    EXPECT_EQ(IntDiv(5, 0.4), 0);
}

TEST(FormatTwoDigits, PadsToTwoDigits) {
    EXPECT_EQ(FormatTwoDigits(0), "00");
    EXPECT_EQ(FormatTwoDigits(5), "05");
    EXPECT_EQ(FormatTwoDigits(59), "59");
    EXPECT_EQ(FormatTwoDigits(123), "123");
    EXPECT_EQ(FormatTwoDigits(-5), "-05");
}

TEST(FormatHundredths, WritesTwoDecimalsRoundingHalvesAway) {
    EXPECT_EQ(FormatHundredths(1.0), "1.00");
    EXPECT_EQ(FormatHundredths(0.0), "0.00");
    EXPECT_EQ(FormatHundredths(3.7), "3.70");
    EXPECT_EQ(FormatHundredths(0.925), "0.93");
    EXPECT_EQ(FormatHundredths(2.004), "2.00");
    EXPECT_EQ(FormatHundredths(-1.5), "-1.50");
    EXPECT_EQ(FormatHundredths(static_cast<double>(0.92f)), "0.92");
    EXPECT_EQ(FormatHundredths(12.345), "12.35");
}

TEST(FormatSingle, WritesTheShortestText) {
    EXPECT_EQ(FormatSingle(1.0f), "1");
    EXPECT_EQ(FormatSingle(1.5f), "1.5");
    EXPECT_EQ(FormatSingle(0.1f), "0.1");
    EXPECT_EQ(FormatSingle(2.01f), "2.01");
    EXPECT_EQ(FormatSingle(-1.0f), "-1");
    EXPECT_EQ(FormatSingle(1.2345678f), "1.234568");
    EXPECT_EQ(FormatSingle(0.0f), "0");
    EXPECT_EQ(FormatSingle(123456.7f), "123456.7");
}

TEST(Fixed4, KeepsFourDecimalsExactly) {
    // 1/32 and 3/32 are exact in binary: x.xxxx5 rounds half to even.
    EXPECT_EQ(Fixed4::FromDouble(0.03125).Raw(), 312);
    EXPECT_EQ(Fixed4::FromDouble(0.09375).Raw(), 938);
    const auto b = Fixed4::FromDouble(0.1) + Fixed4::FromDouble(0.2);
    EXPECT_EQ(b, Fixed4::FromDouble(0.3));
    EXPECT_EQ(Fixed4::FromDouble(2.5).Rounded(), 2);
    EXPECT_EQ(Fixed4::FromDouble(3.5).Rounded(), 4);
    EXPECT_EQ(Fixed4::FromDouble(-2.5).Rounded(), -2);
    EXPECT_EQ(Fixed4::FromDouble(-2.6).Rounded(), -3);
    EXPECT_LT(Fixed4::FromInteger(1), Fixed4::FromDouble(1.0001));
    EXPECT_EQ((Fixed4::FromInteger(3) / 2.0).Raw(), 15000);
}

} // namespace
} // namespace vantor
