#include "cli/arguments.h"

#include "cli/bad_input.h"

namespace quorvel::cli {

std::string_view Usage() {
    return "usage: quorvel-cli format [--at WHEN] [--locale user|en-US|FILE.json] [--] FORMAT\n"
           "       quorvel-cli format --batch [--locale user|en-US|FILE.json] < LINES\n"
           "       quorvel-cli alarms decode|encode ...   (quorvel-cli alarms for details)\n"
           "WHEN is a day count since 1899-12-30 (46363.37855613426) or local ISO time\n"
           "(2026-12-07T09:05:07.250); the default is now. Batch lines are WHEN<TAB>FORMAT\n"
           "(an empty WHEN is now); \\\\ \\t \\n \\r and \\xHH are escapes in and out.\n";
}

Command ParseArguments(const std::vector<std::string>& args) {
    Command command;
    if (args.empty()) throw BadInput("no command; try quorvel-cli --help");
    if (args[0] == "--help" || args[0] == "-h") {
        command.help = true;
        return command;
    }
    if (args[0] != "format") throw BadInput("unknown command '" + args[0] + "'; try quorvel-cli --help");

    FormatOptions& options = command.format;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 == args.size()) throw BadInput(arg + " needs a value");
            return args[++i];
        };
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--at") {
            options.at = value();
        } else if (arg == "--locale") {
            options.locale = value();
        } else if (arg == "--batch") {
            options.batch = true;
        } else if (arg == "--help" || arg == "-h") {
            command.help = true;
        } else {
            throw BadInput("unknown option '" + arg + "'");
        }
    }
    if (command.help) return command;
    if (options.batch) {
        if (options.at) throw BadInput("--at does not go with --batch: each line names its own time");
        if (!positional.empty()) throw BadInput("--batch reads its formats from standard input, not '" + positional[0] + "'");
        return command;
    }
    if (positional.empty()) throw BadInput("no FORMAT given (use \"\" for the empty format)");
    if (positional.size() > 1) throw BadInput("one FORMAT only; unexpected '" + positional[1] + "'");
    options.format = positional[0];
    return command;
}

}  // namespace quorvel::cli
