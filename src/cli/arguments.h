// The command line of quorvel-cli:
//   quorvel-cli format [--at WHEN] [--locale NAME|FILE] FORMAT
//   quorvel-cli format --batch [--locale NAME|FILE]
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::cli {

struct FormatOptions {
    bool batch = false;
    std::optional<std::string> at;  // WHEN as given; now when absent
    std::string locale = "user";    // user, en-US or a JSON file
    std::string format;
};

struct Command {
    bool help = false;
    FormatOptions format;
};

// The arguments after the program name; throws BadInput for anything unknown,
// missing or extra.
Command ParseArguments(const std::vector<std::string>& args);

std::string_view Usage();

}  // namespace quorvel::cli
