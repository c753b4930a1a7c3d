#include "base/TextEncoding.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <iconv.h>

namespace vantor {

namespace {

struct LanguageCodePage {
    std::string_view language;
    int codePage;
};

constexpr std::array kLanguageCodePages{
    LanguageCodePage{"ja", 932},  LanguageCodePage{"ko", 949},  LanguageCodePage{"ru", 1251},
    LanguageCodePage{"uk", 1251}, LanguageCodePage{"be", 1251}, LanguageCodePage{"bg", 1251},
    LanguageCodePage{"sr", 1251}, LanguageCodePage{"mk", 1251}, LanguageCodePage{"kk", 1251},
    LanguageCodePage{"ky", 1251}, LanguageCodePage{"tg", 1251}, LanguageCodePage{"mn", 1251},
    LanguageCodePage{"el", 1253}, LanguageCodePage{"tr", 1254}, LanguageCodePage{"az", 1254},
    LanguageCodePage{"he", 1255}, LanguageCodePage{"iw", 1255}, LanguageCodePage{"yi", 1255},
    LanguageCodePage{"ar", 1256}, LanguageCodePage{"fa", 1256}, LanguageCodePage{"ur", 1256},
    LanguageCodePage{"lt", 1257}, LanguageCodePage{"lv", 1257}, LanguageCodePage{"et", 1257},
    LanguageCodePage{"vi", 1258}, LanguageCodePage{"th", 874},
};

std::atomic<int> g_legacyCodePage{0};

// Chinese is split by script: Traditional for Taiwan, Hong Kong and Macau
// (or an explicit "Hant"), Simplified everywhere else.
int ChineseCodePage(std::string_view localeName) {
    for (std::string_view traditional : {"_TW", "_HK", "_MO", "Hant"}) {
        if (localeName.find(traditional) != std::string_view::npos)
            return 950;
    }
    return 936;
}

std::string IconvName(int codePage) {
    return "CP" + std::to_string(codePage);
}

// Converts with iconv, replacing each sequence it cannot convert by
// `replacement` and skipping `skipUnit` input bytes so progress is certain.
std::string Convert(const std::string& from, const std::string& to, std::string_view input,
                    std::string_view replacement, std::size_t skipUnit) {
    iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(input);
    std::string out;
    out.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::array<char, 1024> buffer{};
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = ::iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (result != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL (a truncated sequence at the end): replace and move on.
        out += replacement;
        const std::size_t skip = std::min(skipUnit, inLeft);
        in += skip;
        inLeft -= skip;
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    ::iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer.data(), buffer.size() - outLeft);
    ::iconv_close(cd);
    return out;
}

std::string_view AsChars(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace

int CodePageForLocale(std::string_view localeName) {
    if (localeName.size() < 2)
        return 1252;
    const std::string_view language = localeName.substr(0, localeName.find_first_of("_.@"));
    if (language == "zh")
        return ChineseCodePage(localeName);
    for (const auto& entry : kLanguageCodePages) {
        if (entry.language == language)
            return entry.codePage;
    }
    return 1252;
}

int CodePageFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return CodePageForLocale(value);
    }
    return 1252;
}

int LegacyCodePage() {
    int codePage = g_legacyCodePage.load(std::memory_order_relaxed);
    if (codePage == 0) {
        codePage = CodePageFromEnvironment();
        g_legacyCodePage.store(codePage, std::memory_order_relaxed);
    }
    return codePage;
}

void SetLegacyCodePage(int codePage) {
    g_legacyCodePage.store(codePage, std::memory_order_relaxed);
}

namespace {

// The length of the well-formed UTF-8 sequence starting at `i`; 0 when the
// bytes there are not one (a stray continuation byte, an overlong form, a
// surrogate, a value beyond U+10FFFF or a sequence cut short).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t minimum = 0;
    char32_t c = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        length = 2, minimum = 0x80, c = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, minimum = 0x800, c = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, minimum = 0x10000, c = lead & 0x07;
    else
        return 0;
    if (text.size() - i < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string ReplaceInvalidUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) {
            text += "\xEF\xBF\xBD";
            ++i;
        } else {
            text.append(bytes.substr(i, length));
            i += length;
        }
    }
    return text;
}

std::string LegacyToUtf8(std::string_view bytes, int codePage) {
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    return Convert(IconvName(codePage), "UTF-8", bytes, "\xEF\xBF\xBD", 1);
}

std::string Utf8ToLegacy(std::string_view utf8, int codePage) {
    std::string out;
    // Character by character, so that one unmappable character costs one '?'.
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80             ? 1
                             : (lead & 0xE0) == 0xC0 ? 2
                             : (lead & 0xF0) == 0xE0 ? 3
                                                     : 4;
        length = std::min(length, utf8.size() - i);
        const std::string converted =
            Convert("UTF-8", IconvName(codePage), utf8.substr(i, length), "?", length);
        out += converted;
        i += length;
    }
    return out;
}

std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes) {
    return Convert("UTF-16LE", "UTF-8", AsChars(bytes.first(bytes.size() & ~std::size_t{1})),
                   "\xEF\xBF\xBD", 2);
}

std::string Utf16BeToUtf8(std::span<const std::uint8_t> bytes) {
    return Convert("UTF-16BE", "UTF-8", AsChars(bytes.first(bytes.size() & ~std::size_t{1})),
                   "\xEF\xBF\xBD", 2);
}

std::string Utf16WithBomToUtf8(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF)
        return Utf16BeToUtf8(bytes.subspan(2));
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        return Utf16LeToUtf8(bytes.subspan(2));
    return Utf16LeToUtf8(bytes);
}

std::string CutAtNul(std::string text) {
    const auto nul = text.find('\0');
    if (nul != std::string::npos)
        text.resize(nul);
    return text;
}

} // namespace vantor
