// Splitting the player's argument string, the same way for its own command
// line and for one handed over by a second instance. Pure functions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

inline constexpr std::size_t kDefaultMaxArgs = 32768;

// Tabs and double quotes separate; blanks do not. The first piece is
// argument 0 and every later argument is two pieces joined (the blank between
// two quoted names, then the name), so `"a b" "c"` gives "a b" and "c" while
// `a b c` stays one argument. Each argument is trimmed of blanks; anything
// other than "-r" and "/add" (any case) is spelled as the disk lists it.
std::vector<std::string> ParseCommandLine(std::size_t maxArgs, std::string_view text);

// The argument string for a Linux argv (without the program name) that
// ParseCommandLine splits back into the same arguments: each quoted, joined
// by one blank. Arguments holding tabs or quotes cannot travel this way;
// their separators are dropped.
std::string JoinCommandLine(const std::vector<std::string>& args);

// True when `arg` is the "/add" switch (any letter case).
bool IsAddSwitch(std::string_view arg);

} // namespace vantor
