// quorvel-cli entry of the native build: --locale user is the en-US profile here.
#include <iostream>

#include "cli/alarms_command.h"
#include "cli/cli.h"
#include "cli/standard_output.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "alarms") return quorvel::cli::RunAlarmsCommand({args.begin() + 1, args.end()});
    std::string out, err;
    const int code =
        quorvel::cli::RunCli(args, std::cin, out, err, [] { return quorvel::EnUsFormatSettings(); });
    return quorvel::cli::WriteResults(code, out, err);
}
