// Reading one statement of a skin definition file: the raw-line comment test,
// the split into keyword and five fields, and the number rule. Pure functions;
// any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

struct SkinLine {
    std::string keyword;
    std::string field1;
    std::int32_t field2 = 0;
    std::int32_t field3 = 0;
    std::int32_t field4 = 0;
    std::string field5;
    // The line minus the keyword and the one character after it: paths, font
    // names and free texts come from here so that they may hold spaces.
    std::string rest;
};

// True for a line that is empty or starts with '#'. The test is made on the
// raw line: a '#' after blanks does not make a comment.
bool IsSkinCommentLine(std::string_view rawLine);

// Splits a trimmed statement line.
SkinLine SplitSkinLine(std::string_view line);

// The leading decimal number of a text rounded to an integer, halves to even;
// 0 for text that does not start with a number; saturated to 32 bits.
std::int32_t SkinNumber(std::string_view text);

} // namespace vantor
