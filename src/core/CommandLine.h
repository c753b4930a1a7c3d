// Splitting the player's argument string, the same way for its own command
// line and for one handed over by a second instance. Pure functions.
#pragma once

#include <cstddef>
#include <optional>
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

// What "--help" (or "-h") and "--version" among the program's arguments ask
// for: the usage text or the version line, which the program prints before
// it ends, without starting a player or reaching a running one. Nullopt
// when the arguments ask neither; the first one asked wins.
std::optional<std::string> InformationAnswer(const std::vector<std::string>& args,
                                             std::string_view version);

// A relative path to something that exists in `workingFolder` (with its
// trailing '/'), made absolute: a running player that takes it over works in
// a folder of its own. Anything else comes back unchanged.
std::string AbsoluteArgument(const std::string& arg, const std::string& workingFolder);

} // namespace vantor
