// Measures text in one font chosen by whoever implements it (the playlist
// window measures in the skin's playlist font). Values are pixels.
// UI thread only.
#pragma once

#include <string_view>

namespace vantor {

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // The width of `text` (UTF-8) drawn on one line.
    virtual int TextWidth(std::string_view text) const = 0;
};

} // namespace vantor
