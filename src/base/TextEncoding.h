// Text decoding at every file boundary: legacy ("ANSI") code-page bytes,
// UTF-8 and UTF-16, all turned into UTF-8, the program's one internal form.
// The legacy code page is process-wide: chosen once from the locale at
// start-up (or set by tests) and read from any thread afterwards.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vantor {

// Windows code page number for a POSIX locale name such as "ja_JP.UTF-8".
int CodePageForLocale(std::string_view localeName);
// The code page of the first non-empty of LC_ALL, LC_CTYPE and LANG.
int CodePageFromEnvironment();

int LegacyCodePage();
void SetLegacyCodePage(int codePage);

bool IsValidUtf8(std::string_view text);

// Bytes that should be UTF-8, with each byte that does not belong to a
// well-formed sequence replaced by U+FFFD.
std::string ReplaceInvalidUtf8(std::string_view bytes);

// Bytes from a legacy file: valid UTF-8 is kept as it is, anything else is
// decoded from `codePage`. Undecodable bytes become U+FFFD.
std::string LegacyToUtf8(std::string_view bytes, int codePage);
inline std::string LegacyToUtf8(std::string_view bytes) {
    return LegacyToUtf8(bytes, LegacyCodePage());
}

// UTF-8 to the legacy code page; characters it cannot hold become '?'.
std::string Utf8ToLegacy(std::string_view utf8, int codePage);

std::string Utf16LeToUtf8(std::span<const std::uint8_t> bytes);
std::string Utf16BeToUtf8(std::span<const std::uint8_t> bytes);
// UTF-16 whose byte order comes from a leading BOM (little-endian without one);
// the BOM itself is not part of the text.
std::string Utf16WithBomToUtf8(std::span<const std::uint8_t> bytes);

// Cuts a decoded text at its first NUL character.
std::string CutAtNul(std::string text);

} // namespace vantor
