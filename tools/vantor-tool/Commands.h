// The subcommands of vantor-tool. Each takes the arguments after its name,
// writes its report to `out` and its complaints to `err`, and returns the
// process exit code.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace vantor::tool {

using Args = std::span<const std::string>;

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(Args args, std::ostream& out, std::ostream& err);
};

int RunSettings(Args args, std::ostream& out, std::ostream& err);
int RunDecode(Args args, std::ostream& out, std::ostream& err);
int RunDevices(Args args, std::ostream& out, std::ostream& err);
int RunPng(Args args, std::ostream& out, std::ostream& err);
int RunRegion(Args args, std::ostream& out, std::ostream& err);
int RunInfo(Args args, std::ostream& out, std::ostream& err);
int RunPlaylist(Args args, std::ostream& out, std::ostream& err);
int RunZip(Args args, std::ostream& out, std::ostream& err);
int RunAssociations(Args args, std::ostream& out, std::ostream& err);
// Present when the tool is built with the user interface (it draws with Qt).
int RunSkin(Args args, std::ostream& out, std::ostream& err);
int RunPlay(Args args, std::ostream& out, std::ostream& err);
int RunCd(Args args, std::ostream& out, std::ostream& err);

} // namespace vantor::tool
