// Small text helpers shared by every parser and text builder. Texts are UTF-8.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// Removes leading and trailing blanks (U+0020 only, as the stored formats mean).
std::string_view TrimBlanks(std::string_view text);
// Removes leading and trailing blanks, tabs, CR and LF.
std::string_view TrimWhitespace(std::string_view text);

std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);
// Compares ignoring the case of ASCII letters (what file names and keywords need).
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix);

// Replaces every occurrence of `from` (non-empty) by `to`, left to right,
// without rescanning the inserted text.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Splits at LF, dropping a CR before it; a final line without LF is kept.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines handed to `use` one by one, as views into `text`.
void ForEachLine(std::string_view text, const std::function<void(std::string_view)>& use);

// Number of characters (code points) of a UTF-8 text, and the first `count` of them.
std::size_t Utf8Length(std::string_view text);
std::string Utf8Left(std::string_view text, std::size_t count);
std::string Utf8Mid(std::string_view text, std::size_t start,
                    std::size_t count = std::string::npos);

} // namespace vantor
