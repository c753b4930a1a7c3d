#include "base/ShownText.h"

namespace vantor {

std::string ComposeText(std::string_view pattern, const std::vector<std::string>& values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number < values.size()) {
            text += values[number];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace vantor
