// quorvel-cli entry of the Windows build: UTF-16 arguments, the user's regional
// settings for --locale user, and UTF-8 out (UTF-16 to a console window).
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

#include "platform/user_locale.h"
#include "cli/alarms_command.h"
#include "cli/alarms_registry_commands.h"
#include "cli/cli.h"
#include "cli/standard_output.h"
#include "core/wide.h"

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(quorvel::Narrow(argv[i]));
    if (!args.empty() && args[0] == "alarms")
        return quorvel::cli::RunAlarmsCommand({args.begin() + 1, args.end()}, quorvel::cli::AlarmsRegistryCommands());
    // Batch lines are read as bytes: no CR LF translation, no end at Ctrl+Z.
    _setmode(_fileno(stdin), _O_BINARY);
    std::string out, err;
    const int code = quorvel::cli::RunCli(args, std::cin, out, err, [] { return quorvel::ReadUserFormatSettings(); });
    return quorvel::cli::WriteResults(code, out, err);
}
