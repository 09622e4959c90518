// What the program hears from the shell.
#pragma once

#include <windows.h>

namespace quorvel {

// Broadcast by the shell to top-level windows when the taskbar is (re)created,
// e.g. after Explorer restarts; 0 when it cannot be registered.
UINT TaskbarCreatedMessage();

}  // namespace quorvel
