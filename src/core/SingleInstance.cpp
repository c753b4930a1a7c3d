#include "core/SingleInstance.h"

#include "base/TextEncoding.h"
#include "core/CommandLine.h"

#include <algorithm>

namespace vantor {

StartDecision DecideSingleInstance(const std::vector<std::string>& args,
                                   const std::string& argumentString, InstanceChannel& channel,
                                   MessageBoxes& messages) {
    const std::string& first = args.empty() ? std::string() : args.front();
    if (first == "-r") {
        channel.Claim(true);
        return StartDecision::Continue;
    }
    if (channel.Claim(false))
        return StartDecision::Continue;
    if (first.empty()) {
        messages.Show("2重起動はできません", "Vantor", MessageIcon::Exclamation);
        return StartDecision::End;
    }
    if (channel.Send(argumentString))
        return StartDecision::End;
    channel.Claim(true);
    return StartDecision::Continue;
}

void TakeCommandArgs(std::vector<std::string> args, const AddFilesFromArgs& addFiles) {
    const bool append = !args.empty() && IsAddSwitch(args.front());
    if (append)
        std::erase_if(args, [](const std::string& arg) { return IsAddSwitch(arg); });
    // An empty slot is what splitting an empty text leaves; it names no file.
    std::erase_if(args, [](const std::string& arg) { return arg.empty(); });
    if (args.empty())
        return;
    addFiles(args, !append);
}

void ReceiveHandOver(const std::string& text, const AddFilesFromArgs& addFiles) {
    TakeCommandArgs(ParseCommandLine(kDefaultMaxArgs, CutAtNul(text)), addFiles);
}

} // namespace vantor
