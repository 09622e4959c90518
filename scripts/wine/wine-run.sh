#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's environment. CMake names this
# the cross-compiling emulator, so ctest runs Win32 test programs as if native.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
quorvel_use_session_display
quorvel_init_prefix
exec "$QUORVEL_WINE" "$@"
