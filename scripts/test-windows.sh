#!/usr/bin/env bash
# Sets up, cross-compiles the Windows programs and tests (MinGW-w64), runs the
# unit tests under Wine in a Japanese locale, then the GUI scenarios on a
# virtual display, whose XML files are compared with the Linux programs'.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/setup-windows.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
# The Linux programs write the reference files of the GUI scenarios.
cmake --preset linux >/dev/null
cmake --build --preset linux --target Orbek17Plus Orbek17Base
source scripts/wine-env.sh
# One Wine server for all programs, so that a start costs a fraction of a
# second. Its helper processes are started here with their output on
# /dev/null: started by a test, they would hold ctest's output pipe open.
wineserver -w || true  # a server still ending from the set-up
wineserver -p
trap 'wineserver -k || true' EXIT
wine wineboot </dev/null >/dev/null 2>&1
ctest --preset windows
# The GUI scenarios start Wine afresh on their own display: processes of
# this server were started without one.
wineserver -k || true
wineserver -w || true
trap - EXIT
./tests/gui/scenarios.sh
# The README's Windows demo on a display of its own: it must find its dialog,
# take its picture and return.
env -u DISPLAY timeout 600 ./scripts/demo-windows.sh
