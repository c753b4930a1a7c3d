#include "base/TimeText.h"

#include "base/VbNumber.h"

#include <limits>

namespace vantor {

std::string FormatTime(std::int32_t seconds, bool verbose) {
    std::int64_t h = 0;
    std::int64_t m = 0;
    std::int64_t s = seconds;
    if (s >= 60) {
        m = s / 60;
        s -= 60 * m;
    }
    if (m >= 60) {
        h = m / 60;
        m -= 60 * h;
    }
    if (!verbose) {
        std::string text;
        if (h > 0)
            text = FormatTwoDigits(h) + ":";
        return text + FormatTwoDigits(m) + ":" + FormatTwoDigits(s);
    }
    std::string text;
    if (h > 0)
        text += std::to_string(h) + " Hours, ";
    if (m > 0)
        text += std::to_string(m) + " Minutes, ";
    return text + std::to_string(s) + " Seconds";
}

std::int32_t MillisecondsToSeconds(double milliseconds) {
    const auto seconds = RoundHalfEven(milliseconds / 1000.0);
    if (seconds > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (seconds < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(seconds);
}

std::string ListLengthText(double milliseconds) {
    std::string text = FormatTime(MillisecondsToSeconds(milliseconds));
    if (text.starts_with('0'))
        text.erase(0, 1);
    return text;
}

} // namespace vantor
