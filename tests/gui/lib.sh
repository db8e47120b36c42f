# Sourced: driving the Windows programs' windows under Wine on a virtual X
# display with xdotool; windows are found by their captions. Set art (the
# screenshot folder), work (the programs' files), bin (the Windows programs)
# and linux_bin (the Linux programs) before use. The caller's EXIT trap calls gui_stop_display.
passed=0
failed=0
ok() { echo "ok: $1"; passed=$((passed + 1)); }
fail() { echo "FAIL: $1"; failed=$((failed + 1)); }

readonly dialog='^所得税 - 集計条件$'
readonly box='^所得税$'
readonly progress='^集計中'

# A virtual display of its own, exported as DISPLAY.
gui_start_display() {
  local display=""
  for n in $(seq 90 160); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "no free X display number" >&2; return 1; }
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY="$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
gui_stop_display() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}

winpath() { winepath -w "$1" 2>/dev/null; }

# The visible window whose caption matches the regular expression; waits.
find_window() {
  local pattern="$1" limit="${2:-60}" id
  for _ in $(seq $((limit * 5))); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
wait_window() { find_window "$@" >/dev/null; }
visible() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
keys() { sleep 0.3; xdotool key --delay 80 "$@"; sleep 0.3; }
typed() { sleep 0.2; xdotool type --delay 15 "$1"; sleep 0.2; }
shot() { import -window root "$art/$1.png"; }
# The progress window is up only as long as the work takes, a fraction of a
# second: it is pictured ($2) when it is caught, and the run goes on to its
# closing message box either way.
work_runs() {
  local name="$1" picture="${2:-}"
  for _ in $(seq 1500); do
    if visible "$progress"; then
      [ -n "$picture" ] && shot "$picture"
      return 0
    fi
    visible "$box" && return 0
    sleep 0.02
  done
  fail "$name: neither the progress window nor a message box appeared"
  return 1
}
# Runs the steps of a scenario; a missing window fails it and ends it.
step() {
  local name="$1" pattern="$2" limit="$3"
  wait_window "$pattern" "$limit" && return 0
  fail "$name: no window '$pattern'"
  shot "$name-failed"
  xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sed "s/^/  visible: /"
  return 1
}
# The first export of the demo company through the real dialog: Enter on the
# first radio moves into the path, all selected; the path is typed (its
# folder exists, the file does not) and F12 executes. $1 scenario name.
export_through_dialog() {
  local name="$1" path="$2"
  step "$name" "$dialog" 60 && sleep 1 && shot "$name-conditions" &&
  keys Return && typed "$path" && keys F12 &&
  work_runs "$name" &&
  step "$name" "$box" 180 && shot "$name-done-message" && keys Return
}

finished() {  # waits for the program started as $1; prints its exit status
  for _ in $(seq 600); do [ -f "$work/$1.status" ] && { cat "$work/$1.status"; return; }; sleep 0.2; done
  echo timeout
}

same_as_linux() {
  local name="$1" win_file="$2" linux_out="$3"
  if [ -s "$win_file" ] && [ -s "$linux_out" ] && cmp -s "$win_file" "$linux_out"; then
    ok "$name: XML bytes equal to the Linux build's ($(wc -c <"$win_file") bytes)"
  else
    fail "$name: XML differs from the Linux build's or is missing"
  fi
}
expect_status() {  # $1 scenario, $2 tag, $3 expected exit status
  local status
  status=$(finished "$2")
  # A program left hanging by a failed step must not meet the next scenario.
  [ "$status" = timeout ] && wineserver -k >/dev/null 2>&1
  if [ "$status" = "$3" ]; then ok "$1: exit status $3"; else fail "$1: exit status $status, not $3"; fi
}
# Starts a program of $bin in the background; status goes to $work/$1.status.
# Wine keeps Unix variables named VK_* (the Vulkan loader's) from Windows
# programs, so the data set is named in the Windows environment instead.
start() {
  local tag="$1" dataset="$2"
  shift 2
  wine reg add 'HKCU\Environment' /v VK_DATASET /d "$(winpath "$dataset")" /f >/dev/null 2>&1
  (cd "$bin" && wine "$@" >"$work/$tag.out" 2>&1; echo $? >"$work/$tag.status") &
}
# The Linux program's file for the same data set: $1 program, $2 data set,
# $3 console dialog commands, then its arguments.
linux_run() {
  local program="$1" dataset="$2" commands="$3"
  shift 3
  printf '%s' "$commands" | VK_DATASET="$dataset" XDG_DATA_HOME="$work/xdg" \
    "$linux_bin/$program" "$@" >>"$work/linux.log" 2>&1
}
