// Measures every character (code point) as the same number of pixels, so
// tests can say exactly what fits.
#pragma once

#include "base/StringUtil.h"
#include "platform/TextMeasurer.h"

namespace vantor::test {

class FakeTextMeasurer : public TextMeasurer {
public:
    explicit FakeTextMeasurer(int characterWidth = 10) : m_characterWidth(characterWidth) {}
    int TextWidth(std::string_view text) const override {
        ++measured;
        return static_cast<int>(Utf8Length(text)) * m_characterWidth;
    }
    mutable int measured = 0;

private:
    int m_characterWidth;
};

} // namespace vantor::test
