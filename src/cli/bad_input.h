// Input the command cannot take: the message is the one line shown on standard
// error, and the exit code is 2.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvel::cli {

inline constexpr int kExitBadInput = 2;
// Exit code of a command that could not do all its work (damaged or unreadable
// stored alarms, a refused registry write, batch lines that could not be read).
inline constexpr int kExitFailed = 1;

class BadInput : public std::runtime_error {
public:
    explicit BadInput(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quorvel::cli
