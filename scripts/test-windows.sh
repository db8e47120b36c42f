#!/usr/bin/env bash
# Sets up, cross-compiles the Windows programs and tests (MinGW-w64) and runs
# the tests under Wine in a Japanese locale.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup-windows.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
source scripts/wine-env.sh
# One Wine server for all programs, so that a start costs a fraction of a
# second. Its helper processes are started here with their output on
# /dev/null: started by a test, they would hold ctest's output pipe open.
wineserver -p
trap 'wineserver -k || true' EXIT
wine wineboot </dev/null >/dev/null 2>&1
ctest --preset windows
