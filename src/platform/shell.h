// What the program hears from the shell.
#pragma once

#include <windows.h>

#include <optional>

#include "core/full_screen.h"

namespace quorvel {

// Broadcast by the shell to top-level windows when the taskbar is (re)created,
// e.g. after Explorer restarts; 0 when it cannot be registered.
UINT TaskbarCreatedMessage();

// The shell's word on the user's state: a full-screen Direct3D program or a
// presentation, or anything else (also when it cannot tell).
ShellState QueryShellState();
// Test seam: while set, QueryShellState answers this instead of the shell
// (not every shell keeps that state). Clear with nullopt.
void OverrideShellState(std::optional<ShellState> state);

}  // namespace quorvel
