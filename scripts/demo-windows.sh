#!/usr/bin/env bash
# Builds the Windows programs and starts Orbek17Plus.exe under Wine with the
# stand-in engine's built-in demo data set, on the current X display. Without
# one it runs on a virtual display of its own: it waits for the conditions
# dialog, leaves a picture of it in build/demo-windows.png, cancels the run,
# stops what it started and returns (1 when the dialog never appeared).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup-windows.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Orbek17Plus Orbek17Base
source scripts/wine-env.sh
shot="$PWD/build/demo-windows.png"
cd build/windows/bin
if [ -n "${DISPLAY:-}" ]; then
  exec wine ./Orbek17Plus.exe
fi

readonly dialog_limit=180   # seconds; a first start also sets the Wine prefix up
readonly dialog='^所得税 - 集計条件$'
readonly box='^所得税$'
display=""
for n in $(seq 90 160); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "demo-windows: no free X display number" >&2; exit 1; }
xvfb=""
program=""
stop() {
  if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then
    wineserver -k >/dev/null 2>&1 || true
    wait "$program" 2>/dev/null || true
  fi
  # Wine's own processes end a moment after the program; then the display goes.
  timeout 30 wineserver -w >/dev/null 2>&1 || true
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
}
trap stop EXIT
trap 'exit 1' TERM INT
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The visible window whose caption matches $1, waiting at most $2 seconds.
find_window() {
  local id
  for _ in $(seq $(($2 * 5))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$program" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}

wine ./Orbek17Plus.exe >/dev/null 2>&1 &
program=$!
if ! id=$(find_window "$dialog" "$dialog_limit"); then
  echo "demo-windows: the conditions dialog did not appear within $dialog_limit s" >&2
  exit 1
fi
sleep 1  # painted
import -window "$id" "$shot"
if [ "$(identify -format %k "$shot" 2>/dev/null || echo 0)" -lt 3 ]; then
  echo "demo-windows: the picture of the dialog is blank ($shot)" >&2
  exit 1
fi
echo "No X display: the conditions dialog is in build/demo-windows.png; cancelling the run."
xdotool key Escape
find_window "$box" 20 >/dev/null && { sleep 0.3; xdotool key Return; }
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
