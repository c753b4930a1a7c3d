#include "skin/SkinLine.h"

#include "base/VbNumber.h"

#include <algorithm>
#include <array>
#include <limits>

namespace vantor {
namespace {

std::size_t SkipSpaces(std::string_view line, std::size_t position) {
    while (position < line.size() && line[position] == ' ')
        ++position;
    return position;
}

// The five raw fields after the keyword. With several blanks between two
// values all but the last blank stay in the field, as the format always did.
std::array<std::string, 5> SplitFields(std::string_view line, std::size_t start) {
    std::array<std::string, 5> fields;
    std::size_t p = start;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const std::size_t space = line.find(' ', p);
        if (index == fields.size() - 1 || space == std::string_view::npos) {
            fields[index] = std::string(line.substr(std::min(p, line.size())));
            break;
        }
        const std::size_t q = SkipSpaces(line, space);
        fields[index] = std::string(line.substr(p, q - p - 1));
        p = q;
    }
    return fields;
}

} // namespace

bool IsSkinCommentLine(std::string_view rawLine) {
    return rawLine.empty() || rawLine.front() == '#';
}

std::int32_t SkinNumber(std::string_view text) {
    const double rounded = static_cast<double>(RoundHalfEven(Val(text)));
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(rounded, kLowest, kHighest));
}

SkinLine SplitSkinLine(std::string_view line) {
    SkinLine result;
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        result.keyword = std::string(line);
        return result;
    }
    result.keyword = std::string(line.substr(0, space));
    result.rest = std::string(line.substr(space + 1));
    if (result.keyword.find("FontName") != std::string::npos || result.keyword == "About") {
        result.field1 = result.rest;
        return result;
    }
    const auto fields = SplitFields(line, SkipSpaces(line, space));
    result.field1 = fields[0];
    result.field2 = SkinNumber(fields[1]);
    result.field3 = SkinNumber(fields[2]);
    result.field4 = SkinNumber(fields[3]);
    result.field5 = fields[4];
    return result;
}

} // namespace vantor
