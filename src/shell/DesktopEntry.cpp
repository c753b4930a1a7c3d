#include "shell/DesktopEntry.h"

#include <array>

namespace vantor {

namespace {

constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

std::string QuotedArgument(std::string_view argument) {
    if (argument.starts_with('%') ||
        (!argument.empty() && argument.find_first_of(kReservedInExec) == std::string::npos))
        return std::string(argument);
    std::string quoted = "\"";
    for (const char c : argument) {
        if (kEscapedInQuotes.find(c) != std::string_view::npos)
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// A literal '%' in a path is written "%%" so it is not read as a field code.
std::string EscapedPercent(std::string_view argument) {
    std::string escaped;
    for (const char c : argument) {
        escaped += c;
        if (c == '%')
            escaped += '%';
    }
    return escaped;
}

// The key file's own escapes of a string value: "\\", "\s", "\n", "\t", "\r".
std::string EscapedValue(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

std::string UnescapedValue(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char next = value[++i];
        text += next == 's'   ? ' '
                : next == 'n' ? '\n'
                : next == 't' ? '\t'
                : next == 'r' ? '\r'
                              : next;
    }
    return text;
}

} // namespace

std::string ExecValue(std::string_view programPath, std::span<const std::string_view> arguments) {
    std::string exec = QuotedArgument(EscapedPercent(programPath));
    for (const auto argument : arguments)
        exec += " " + QuotedArgument(argument);
    return EscapedValue(exec);
}

std::optional<std::string> ExecProgram(std::string_view execValue) {
    const std::string exec = UnescapedValue(execValue);
    std::size_t i = exec.find_first_not_of(" \t");
    if (i == std::string::npos)
        return std::nullopt;
    std::string program;
    if (exec[i] == '"') {
        for (++i; i < exec.size() && exec[i] != '"'; ++i) {
            if (exec[i] == '\\' && i + 1 < exec.size())
                ++i;
            program += exec[i];
        }
    } else {
        const auto end = exec.find_first_of(" \t", i);
        program = exec.substr(i, end == std::string::npos ? std::string::npos : end - i);
    }
    std::string literal;
    for (std::size_t k = 0; k < program.size(); ++k) {
        literal += program[k];
        if (program[k] == '%' && k + 1 < program.size() && program[k + 1] == '%')
            ++k;
    }
    return literal;
}

std::string DesktopEntryText(std::string_view programPath,
                             std::span<const std::string_view> mimeTypes) {
    constexpr std::array<std::string_view, 1> kOpen{"%F"};
    constexpr std::array<std::string_view, 2> kAdd{"/add", "%F"};
    std::string types;
    for (const auto type : mimeTypes)
        types += std::string(type) + ";";
    // The action's caption drops the menu accelerator "(&A)": a desktop shows
    // action names as they stand.
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vantor\n"
           "GenericName=Audio Player\n"
           "GenericName[ja]=オーディオプレーヤー\n"
           "Comment=Play music with skins\n"
           "Comment[ja]=スキンで音楽を再生します\n"
           "Icon=vantor\n"
           "Exec=" +
           ExecValue(programPath, kOpen) +
           "\n"
           "TryExec=" +
           EscapedValue(programPath) +
           "\n"
           "Terminal=false\n"
           "Categories=AudioVideo;Audio;Player;\n"
           "Keywords=music;audio;player;playlist;skin;\n"
           "MimeType=" +
           types +
           "\n"
           "Actions=add;\n"
           "\n"
           "[Desktop Action add]\n"
           "Name=Add to the Vantor playlist\n"
           "Name[ja]=VantorPlayListに追加\n"
           "Exec=" +
           ExecValue(programPath, kAdd) + "\n";
}

} // namespace vantor
