// quorvel-cli without its process: arguments and standard input in, the text for
// standard output and standard error out, and the exit code.
#pragma once

#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "core/format/time_format.h"

namespace quorvel::cli {

// userSettings gives the settings of --locale user. On bad input out stays empty,
// err holds one line and the result is 2. A batch with lines that could not be
// read gives an empty output line and a message for each, and the result 1.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::string& out, std::string& err,
           const std::function<FormatSettings()>& userSettings);

}  // namespace quorvel::cli
