// quorvel-cli: placeholder entry until the commands land.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/alarms_command.h"

int main(int argc, char** argv) {
    if (argc >= 2 && std::string_view(argv[1]) == "alarms")
        return quorvel::RunAlarmsCommand(std::vector<std::string>(argv + 2, argv + argc));
    std::fputs("usage: quorvel-cli format [--at WHEN] [--locale NAME|FILE] FORMAT\n"
               "       quorvel-cli alarms decode|encode [FILE|-]\n",
               stderr);
    return 2;
}
