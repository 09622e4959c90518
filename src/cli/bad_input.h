// Input the command cannot take: the message is the one line shown on standard
// error, and the exit code is 2.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvel::cli {

inline constexpr int kExitBadInput = 2;

class BadInput : public std::runtime_error {
public:
    explicit BadInput(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quorvel::cli
