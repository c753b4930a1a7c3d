#include "playlist/PlaylistText.h"

#include "base/StringUtil.h"

#include <cstdlib>

namespace vantor {

namespace {

constexpr std::string_view kEscapedBreak = "[\\n]";

} // namespace

std::string EscapeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += kEscapedBreak;
            ++i;
        } else if (c == '\r' || c == '\n') {
            out += kEscapedBreak;
        } else {
            out += c;
        }
    }
    return out;
}

std::string UnescapeLineBreaks(std::string_view text) {
    // The replacement holds no "[\n]" and cannot form one with its
    // neighbours, so one pass equals replacing the first one repeatedly.
    return ReplaceAll(text, kEscapedBreak, "\r\n");
}

std::string CsvField(std::string_view line, int n) {
    std::size_t start = 0;
    for (int field = 1;; ++field) {
        const auto comma = line.find(',', start);
        if (comma == std::string_view::npos)
            return std::string(line.substr(start));
        if (field == n)
            return std::string(line.substr(start, comma - start));
        start = comma + 1;
    }
}

std::string FormatStoredLength(Fixed4 lengthMs) {
    const std::int64_t raw = lengthMs.Raw();
    const std::uint64_t magnitude =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    std::string text = raw < 0 ? "-" : "";
    text += std::to_string(magnitude / Fixed4::kScale);
    auto fraction = magnitude % Fixed4::kScale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction + Fixed4::kScale).substr(1);
        while (digits.back() == '0')
            digits.pop_back();
        text += "." + digits;
    }
    return text;
}

} // namespace vantor
