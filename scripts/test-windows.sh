#!/usr/bin/env bash
# Sets up, cross-compiles the Windows programs and tests (MinGW-w64) and runs
# the tests under Wine in a Japanese locale.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup-windows.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
