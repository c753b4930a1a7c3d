#include "core/CommandLine.h"

#include "base/Paths.h"
#include "base/StringUtil.h"

namespace vantor {

namespace {

constexpr std::string_view kUsageText =
    "usage: vantor [/add] [FILE | FOLDER]...\n"
    "\n"
    "Plays the files and folders given, or the saved playlist when none is given.\n"
    "A player already running takes them over: they replace its playlist, or\n"
    "join it with /add.\n"
    "\n"
    "  -h, --help   show this text and end\n"
    "  --version    show the version and end\n";

} // namespace

std::vector<std::string> ParseCommandLine(std::size_t maxArgs, std::string_view text) {
    std::vector<std::string> slots(1);
    bool inArgument = false;
    bool pairOpen = false;
    for (const char c : text) {
        if (c == '\t' || c == '"') {
            inArgument = false;
            continue;
        }
        if (!inArgument) {
            if (pairOpen) {
                if (slots.size() - 1 == maxArgs)
                    break;
                slots.emplace_back();
                pairOpen = false;
            } else {
                pairOpen = true;
            }
            inArgument = true;
        }
        slots.back() += c;
    }
    for (auto& slot : slots) {
        const std::string trimmed(TrimBlanks(slot));
        slot = (trimmed == "-r" || IsAddSwitch(trimmed)) ? trimmed : ToLongPathName(trimmed);
    }
    return slots;
}

std::string JoinCommandLine(const std::vector<std::string>& args) {
    std::string text;
    for (const auto& arg : args) {
        if (!text.empty())
            text += ' ';
        text += '"';
        for (const char c : arg) {
            if (c != '"' && c != '\t')
                text += c;
        }
        text += '"';
    }
    return text;
}

bool IsAddSwitch(std::string_view arg) {
    return EqualsIgnoreCase(arg, "/add");
}

std::optional<std::string> InformationAnswer(const std::vector<std::string>& args,
                                             std::string_view version) {
    for (const auto& arg : args) {
        if (arg == "--help" || arg == "-h")
            return std::string(kUsageText);
        if (arg == "--version")
            return "vantor " + std::string(version) + "\n";
    }
    return std::nullopt;
}

std::string AbsoluteArgument(const std::string& arg, const std::string& workingFolder) {
    if (arg.empty() || arg.front() == '/' || !PathExists(workingFolder + arg))
        return arg;
    return workingFolder + arg;
}

} // namespace vantor
