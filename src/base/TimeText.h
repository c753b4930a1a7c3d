// The one time text of the player: "mm:ss" or "hh:mm:ss", or the verbose
// "1 Hours, 2 Minutes, 5 Seconds". Pure functions, any thread.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

std::string FormatTime(std::int32_t seconds, bool verbose = false);

// Milliseconds to the whole seconds FormatTime takes (halves to even).
std::int32_t MillisecondsToSeconds(double milliseconds);

// A play time as the playlist shows it: the short form with a leading "0"
// removed ("3:05", "12:05", "1:00:00").
std::string ListLengthText(double milliseconds);

} // namespace vantor
