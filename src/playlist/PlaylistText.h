// Text rules of the playlist file lines: line-break escaping of titles, the
// comma fields of "AudioCD," lines and the written form of play times.
// Pure functions; any thread.
#pragma once

#include "base/VbNumber.h"

#include <string>
#include <string_view>

namespace vantor {

// Each CR LF becomes the four characters "[\n]". A lone CR or LF (tags read
// on this platform may hold bare line feeds) is escaped the same way, since
// written raw it would split the record; it reads back as CR LF.
std::string EscapeLineBreaks(std::string_view text);
// Each "[\n]" becomes CR LF.
std::string UnescapeLineBreaks(std::string_view text);

// Field n (from 1) of a comma-separated line; when the commas run out
// before field n, the text after the last comma (the whole line when it has
// none).
std::string CsvField(std::string_view line, int n);

// A play time as the file stores it: decimal milliseconds without group
// separators, with up to four decimals only when there is a fraction.
std::string FormatStoredLength(Fixed4 lengthMs);

} // namespace vantor
