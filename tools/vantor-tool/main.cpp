// vantor-tool: the command-line companion of the player. It runs the
// player's own code paths (settings, pictures, media, playback) headless.
#include "Commands.h"

#include <array>
#include <iostream>
#include <string>
#include <vector>

namespace {

using vantor::tool::Command;

constexpr std::array kCommands{
    Command{"settings", "settings dump FILE | settings write FILE", vantor::tool::RunSettings},
    Command{"decode",
            "decode FILE OUT.wav [--rate HZ] [--member START END] [--equalizer PRESET.dvc]",
            vantor::tool::RunDecode},
    Command{"devices", "devices", vantor::tool::RunDevices},
    Command{"png", "png FILE OUT.bmp", vantor::tool::RunPng},
    Command{"region", "region FILE", vantor::tool::RunRegion},
    Command{"info", "info FILE [--member START END]", vantor::tool::RunInfo},
    Command{"zip", "zip FILE", vantor::tool::RunZip},
    Command{"associations", "associations [list | set EXT... | unset EXT...] [--program PATH]",
            vantor::tool::RunAssociations},
    Command{"playlist", "playlist FILE [--save OUT]", vantor::tool::RunPlaylist},
    Command{"cd", "cd drives | cd tracks DRIVE|IMAGE", vantor::tool::RunCd},
#ifdef VANTOR_TOOL_SKIN
    Command{"skin", "skin check FILE.dvk | skin render FILE.dvk MAIN.png PLAYLIST.png",
            vantor::tool::RunSkin},
#endif
    Command{"play", "play [--mix GAP] [--random] [--loop] FILES... --out OUT.wav",
            vantor::tool::RunPlay},
};

int PrintHelp(std::ostream& out) {
    out << "usage: vantor-tool COMMAND [ARGS]\n\ncommands:\n";
    for (const auto& command : kCommands)
        out << "  " << command.usage << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(std::cerr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help")
        return PrintHelp(std::cout);
    for (const auto& command : kCommands) {
        if (args[0] == command.name)
            return command.run(vantor::tool::Args(args).subspan(1), std::cout, std::cerr);
    }
    std::cerr << "vantor-tool: unknown command '" << args[0] << "'\n";
    PrintHelp(std::cerr);
    return 2;
}
