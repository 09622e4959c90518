#include "app/installer_commands.h"

#include <vector>

namespace quorvel {
namespace {

constexpr struct {
    std::string_view name;
    InstallerCommand command;
} kCommands[] = {
    {"close", InstallerCommand::Close},
    {"close-for-update", InstallerCommand::CloseForUpdate},
    {"start-after-update", InstallerCommand::StartAfterUpdate},
};

bool Blank(char c) { return c == ' ' || c == '\t'; }

// The arguments of a command line by the Windows runtime's rules: blanks
// separate them outside quotes; 2n backslashes before a quote are n and the
// quote opens or closes a quoted part, 2n+1 are n and a plain quote; "" inside
// a quoted part is a plain quote; other backslashes are themselves.
std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && Blank(line[i])) ++i;
        if (i == line.size()) return arguments;
        std::string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || !Blank(line[i]))) {
            std::size_t backslashes = 0;
            for (; i < line.size() && line[i] == '\\'; ++i) ++backslashes;
            if (i < line.size() && line[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    argument += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (backslashes == 0) argument += line[i++];
            }
        }
        arguments.push_back(std::move(argument));
    }
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

InstallerCommand CommandOf(std::string_view argument) {
    if (argument.empty() || (argument[0] != '/' && argument[0] != '-')) return InstallerCommand::Unknown;
    for (const auto& known : kCommands)
        if (SameLetters(argument.substr(1), known.name)) return known.command;
    return InstallerCommand::Unknown;
}

}  // namespace

StartArguments ReadStartArguments(std::string_view commandLine) {
    const std::vector<std::string> arguments = SplitCommandLine(commandLine);
    if (arguments.empty()) return {};
    const InstallerCommand command = CommandOf(arguments[0]);
    if (command == InstallerCommand::Unknown) return {command, arguments[0]};
    // One command at a time: anything after it is not understood.
    if (arguments.size() > 1) return {InstallerCommand::Unknown, arguments[1]};
    return {command, {}};
}

std::string UnknownArgumentMessage(std::string_view argument) {
    return "Quorvel does not understand the argument \"" + std::string(argument) +
           "\".\n\nIt starts without arguments, or takes one of /close, /close-for-update and "
           "/start-after-update.";
}

}  // namespace quorvel
