// Number rules the stored formats and texts were defined with: rounding
// halves to even, leading-number parsing, two-digit formatting, integer
// division, single-precision text, and the four-decimal fixed point of play
// times. One helper each; every caller uses these.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
std::int64_t RoundHalfEven(double value);

// The leading number of a text: blanks and tabs skipped, an optional sign,
// digits, an optional fraction after a period. Anything else gives 0; the
// text after the number is ignored ("12abc" -> 12, "abc" -> 0).
double Val(std::string_view text);

// Integer division of the rounded operands, truncated towards zero; 0 when
// the divisor rounds to 0.
std::int64_t IntDiv(double dividend, double divisor);

// At least two digits ("00" format): 5 -> "05", 123 -> "123", -5 -> "-05".
std::string FormatTwoDigits(std::int64_t value);

// Shortest decimal text of a single-precision value with at most seven
// significant digits and a period: 1.0f -> "1", 1.5f -> "1.5", 0.1f -> "0.1".
std::string FormatSingle(float value);

// Two decimals ("0.00" format), halves away from zero: 1 -> "1.00",
// 0.925 -> "0.93", -1.5 -> "-1.50".
std::string FormatHundredths(double value);

// Signed 64-bit fixed point with four decimals (value × 10000), exact for
// sums of milliseconds and fractions of them.
class Fixed4 {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Fixed4() = default;
    static constexpr Fixed4 FromRaw(std::int64_t raw) { return Fixed4(raw); }
    static constexpr Fixed4 FromInteger(std::int64_t value) { return Fixed4(value * kScale); }
    // Rounds to four decimals, halves to even.
    static Fixed4 FromDouble(double value);

    constexpr std::int64_t Raw() const { return m_raw; }
    double ToDouble() const { return static_cast<double>(m_raw) / kScale; }
    // The nearest integer, halves to even.
    std::int64_t Rounded() const;

    constexpr Fixed4 operator+(Fixed4 other) const { return Fixed4(m_raw + other.m_raw); }
    constexpr Fixed4 operator-(Fixed4 other) const { return Fixed4(m_raw - other.m_raw); }
    Fixed4 operator*(double factor) const { return FromDouble(ToDouble() * factor); }
    Fixed4 operator/(double divisor) const { return FromDouble(ToDouble() / divisor); }
    constexpr auto operator<=>(const Fixed4&) const = default;

private:
    constexpr explicit Fixed4(std::int64_t raw) : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

} // namespace vantor
