#include "core/SingleInstance.h"

#include "base/ShownText.h"
#include "base/TextEncoding.h"
#include "core/CommandLine.h"
#include "playlist/AddFiles.h"

#include <algorithm>

namespace vantor {

namespace {

constexpr const char* kSkippedArgsText =
    VANTOR_TEXT("次のファイルは見つからないか再生できないので、追加しませんでした：");

} // namespace

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
        messages.Show(VANTOR_TEXT("2重起動はできません"), "Vantor", MessageIcon::Exclamation);
        return StartDecision::End;
    }
    if (channel.Send(argumentString))
        return StartDecision::End;
    channel.Claim(true);
    return StartDecision::Continue;
}

TakenArgs TakeCommandArgs(std::vector<std::string> args, const AddFilesFromArgs& addFiles) {
    const bool append = !args.empty() && IsAddSwitch(args.front());
    if (append)
        std::erase_if(args, [](const std::string& arg) { return IsAddSwitch(arg); });
    // An empty slot is what splitting an empty text leaves; it names no file.
    std::erase_if(args, [](const std::string& arg) { return arg.empty(); });
    TakenArgs taken;
    std::erase_if(args, [&taken](const std::string& arg) {
        if (NamesSomethingToAdd(arg))
            return false;
        taken.skipped.push_back(arg);
        return true;
    });
    if (args.empty())
        return taken;
    addFiles(args, !append);
    taken.added = true;
    return taken;
}

TakenArgs ReceiveHandOver(const std::string& text, const AddFilesFromArgs& addFiles) {
    return TakeCommandArgs(ParseCommandLine(kDefaultMaxArgs, CutAtNul(text)), addFiles);
}

void ReportSkippedArgs(const std::vector<std::string>& skipped, MessageBoxes& messages) {
    if (skipped.empty())
        return;
    std::string text = kSkippedArgsText;
    for (const auto& arg : skipped)
        text += "\n" + arg;
    messages.Show(text, "Vantor", MessageIcon::Exclamation);
}

} // namespace vantor
