#include "base/ShownText.h"

namespace vantor {

namespace {

bool IsPlaceholderAt(std::string_view pattern, std::size_t i) {
    return pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
           pattern[i + 1] <= '9';
}

// The literal parts of `pattern` between its placeholders: one more than
// there are placeholders, any of them possibly empty.
std::vector<std::string_view> LiteralParts(std::string_view pattern) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (IsPlaceholderAt(pattern, i)) {
            parts.push_back(pattern.substr(start, i - start));
            start = i + 2;
            ++i;
        }
    }
    parts.push_back(pattern.substr(start));
    return parts;
}

// Fills the value before parts[part] and every value after it from
// text[from...]; the value takes the longest stretch for which the rest
// still matches.
bool FillValues(const std::vector<std::string_view>& parts, std::size_t part, std::string_view text,
                std::size_t from, std::vector<std::string>& values) {
    const std::string_view literal = parts[part];
    if (part + 1 == parts.size()) {
        if (text.size() < from + literal.size() || !text.ends_with(literal))
            return false;
        values.emplace_back(text.substr(from, text.size() - literal.size() - from));
        return true;
    }
    for (std::size_t at = text.rfind(literal); at != std::string_view::npos && at >= from;
         at = at == 0 ? std::string_view::npos : text.rfind(literal, at - 1)) {
        values.emplace_back(text.substr(from, at - from));
        if (FillValues(parts, part + 1, text, at + literal.size(), values))
            return true;
        values.pop_back();
    }
    return false;
}

} // namespace

std::string ComposeText(std::string_view pattern, const std::vector<std::string>& values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = IsPlaceholderAt(pattern, i);
        const auto number = placeholder ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (placeholder && number < values.size()) {
            text += values[number];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::optional<std::vector<std::string>> ValuesComposedInto(std::string_view pattern,
                                                           std::string_view text) {
    const std::vector<std::string_view> parts = LiteralParts(pattern);
    if (!text.starts_with(parts.front()))
        return std::nullopt;
    std::vector<std::string> values;
    if (parts.size() == 1)
        return text == pattern ? std::optional(values) : std::nullopt;
    if (!FillValues(parts, 1, text, parts.front().size(), values))
        return std::nullopt;
    return values;
}

} // namespace vantor
