// quorvel-cli entry of the native build: --locale user is the en-US profile here.
#include <cstdio>
#include <iostream>

#include "cli/alarms_command.h"
#include "cli/cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "alarms") return quorvel::cli::RunAlarmsCommand({args.begin() + 1, args.end()});
    std::string out, err;
    const int code =
        quorvel::cli::RunCli(args, std::cin, out, err, [] { return quorvel::EnUsFormatSettings(); });
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return std::fflush(stdout) == 0 ? code : 1;
}
