// The media player's failure: the platform refused to open a file, or a command
// needs a device and none is open. The message is what the owner shows the user.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

class MciDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quorvel
