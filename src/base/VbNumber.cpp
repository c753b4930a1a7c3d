#include "base/VbNumber.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace vantor {

std::int64_t RoundHalfEven(double value) {
    if (!std::isfinite(value))
        return 0;
    constexpr double kLimit = 9.2e18;
    if (value >= kLimit)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -kLimit)
        return std::numeric_limits<std::int64_t>::min();
    const double floor = std::floor(value);
    const double fraction = value - floor;
    auto result = static_cast<std::int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2 != 0)))
        ++result;
    return result;
}

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    const auto isDigit = [&](std::size_t k) {
        return k < text.size() && text[k] >= '0' && text[k] <= '9';
    };
    bool anyDigit = false;
    while (isDigit(i)) {
        number += text[i++];
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.' && isDigit(i + 1)) {
        number += text[i++];
        while (isDigit(i)) {
            number += text[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

std::int64_t IntDiv(double dividend, double divisor) {
    const auto d = RoundHalfEven(divisor);
    if (d == 0)
        return 0;
    const auto n = RoundHalfEven(dividend);
    if (n == std::numeric_limits<std::int64_t>::min() && d == -1)
        return std::numeric_limits<std::int64_t>::max();
    return n / d;
}

std::string FormatTwoDigits(std::int64_t value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02lld",
                  static_cast<long long>(value < 0 ? -value : value));
    return value < 0 ? std::string("-") + buffer : std::string(buffer);
}

std::string FormatHundredths(double value) {
    // The decimal text of the value decides the halves, not its binary
    // neighbour below (0.925 is stored as 0.92499...).
    char exact[64];
    std::snprintf(exact, sizeof exact, "%.15g", value * 100.0);
    const double hundredths = std::round(std::strtod(exact, nullptr));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", hundredths / 100.0);
    return buffer;
}

std::string FormatSingle(float value) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    // The fewest significant digits (up to seven) that read back as the same float.
    char buffer[64];
    for (int digits = 1; digits <= 7; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(buffer, nullptr) == value)
            break;
    }
    std::string text(buffer);
    // %g may choose an exponent; write plain decimals for the ranges settings use.
    if (text.find('e') != std::string::npos) {
        std::snprintf(buffer, sizeof buffer, "%.7f", static_cast<double>(value));
        text = buffer;
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

Fixed4 Fixed4::FromDouble(double value) {
    return Fixed4(RoundHalfEven(value * kScale));
}

std::int64_t Fixed4::Rounded() const {
    // Integer arithmetic so large values keep every digit.
    std::int64_t whole = m_raw / kScale;
    std::int64_t rest = m_raw % kScale;
    if (rest < 0) {
        rest += kScale;
        --whole;
    }
    if (rest > kScale / 2 || (rest == kScale / 2 && whole % 2 != 0))
        ++whole;
    return whole;
}

} // namespace vantor
