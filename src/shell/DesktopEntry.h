// The desktop entry through which the desktop starts the program for the
// files it opens, and reading back which program an entry starts. Pure
// functions; any thread.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantor {

// The desktop file ID under which the program is the default of a type.
inline constexpr std::string_view kDesktopFileId = "vantor.desktop";

// An `Exec` value that starts `programPath` with `arguments` (field codes
// such as "%F" pass through), quoted and escaped so that any path survives.
std::string ExecValue(std::string_view programPath, std::span<const std::string_view> arguments);

// The program an `Exec` value starts (its first argument, unquoted), or
// nullopt for a value without one.
std::optional<std::string> ExecProgram(std::string_view execValue);

// A whole desktop entry for `programPath`: opening files (%F), the action
// that adds them to the playlist ("/add"), and `mimeTypes`.
std::string DesktopEntryText(std::string_view programPath,
                             std::span<const std::string_view> mimeTypes);

} // namespace vantor
