#!/usr/bin/env bash
# Makes the release packages for Windows users in build/package/: the portable
# zip, the per-user MSI and the winget manifests for it, all of the CMake
# project version. Installs what is missing and builds the `windows` preset first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
quorvel_install_missing

cmake --preset windows
cmake --build --preset windows --target Quorvel quorvel-cli
packaging/make-packages.sh build/windows build/package
