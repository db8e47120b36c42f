#!/usr/bin/env bash
# Kills: a real-estate report with thousands of letting rows is written over
# an older complete report, and the program is killed (SIGKILL) at a random
# moment from the creation of its temporary file to a little past the end of
# a clean run's writing, again and again; then likewise with SIGTERM, SIGINT
# and SIGHUP, after which no temporary file may stay either. Every time the
# target must be the old file or the complete new one, and the remembered-path
# file must read: whole records, the old content or the new.
# Usage: kill.sh BIN WORK SUMMARY KILLS
set -uo pipefail
BIN="$1" WORK="$2" SUMMARY="$3" KILLS="$4"
source "$(dirname "$0")/lib.sh"

use_case_folder kill
target="$out/report.xml"
dataset="$WORK/lettings.json"
make_dataset "$dataset" 5000

rm -rf "$case_dir" && mkdir -p "$out" "$xdg/varnoke"
printf 'sato/1/2:0/0/1/%s\n' "$out/a.xml" >"$env_file"
# The old file: a complete business report; the old record is sato's alone.
run_export Orbek17Plus "$dataset" "$xdg" "1\npath $target\nexecute\n"
cp "$target" "$WORK/kill-old.xml"
printf 'sato/1/2:0/0/1/%s\n' "$out/a.xml" >"$env_file"
cp "$env_file" "$WORK/kill-old.env"
input="3\npath $target\nexecute\ny\n"

start_run() {
  printf "$input" | env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$WORK" XDG_DATA_HOME="$xdg" \
    TMPDIR="$WORK" VK_DATASET="$dataset" "$BIN/Orbek17Plus" >/dev/null 2>&1 &
  pid=$!
}
# Waits until the run has created its temporary output file (or ended).
await_writing() {
  while kill -0 "$pid" 2>/dev/null && [ "$(leftover_temps "$out")" = 0 ]; do sleep 0.002; done
}

start_run
await_writing
started=$(date +%s%N)
wait "$pid"
status=$?
write_ms=$((($(date +%s%N) - started) / 1000000 + 1))
cp "$target" "$WORK/kill-new.xml"
cp "$env_file" "$WORK/kill-new.env"
if [ "$status" != 0 ] || cmp -s "$WORK/kill-old.xml" "$WORK/kill-new.xml"; then
  echo "FAIL: the clean runs did not give two different reports" >>"$log"
  summary "kills (SIGKILL during a 5000-letting report)" 0 "clean run failed" 1
  exit 0
fi

# interrupt_runs COUNT SIGNAL...: COUNT runs, each sent the next of the signals
# at a random moment of the writing. A SIGKILL may leave its temporary file
# (counted, then removed); a signal the program can handle may not.
interrupt_runs() {
  local count="$1"
  shift
  local signals=("$@") old=0 new=0 failures=0 temps=0 i signal problem left
  for ((i = 1; i <= count; i++)); do
    signal="${signals[$((i % ${#signals[@]}))]}"
    cp "$WORK/kill-old.xml" "$target"
    cp "$WORK/kill-old.env" "$env_file"
    delay_ms=$((RANDOM % (write_ms + write_ms / 5 + 1)))
    start_run
    await_writing
    sleep "$(printf '%d.%03d' $((delay_ms / 1000)) $((delay_ms % 1000)))"
    kill -"$signal" "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    problem=""
    if cmp -s "$target" "$WORK/kill-old.xml"; then
      old=$((old + 1))
    elif cmp -s "$target" "$WORK/kill-new.xml"; then
      new=$((new + 1))
    else
      problem="the target is neither the old file nor the complete new one"
    fi
    well_formed_records "$env_file" || problem="$problem; the remembered-path file has a broken record"
    cmp -s "$env_file" "$WORK/kill-old.env" || cmp -s "$env_file" "$WORK/kill-new.env" ||
      problem="$problem; the remembered-path file is neither old nor new"
    left=$(leftover_temps "$out" "$xdg/varnoke")
    temps=$((temps + left))
    [ "$signal" != KILL ] && [ "$left" != 0 ] && problem="$problem; $left temporary file(s) left after SIG$signal"
    find "$out" "$xdg/varnoke" -maxdepth 1 -name '.orbek-*.tmp' -delete
    if [ -n "$problem" ]; then
      failures=$((failures + 1))
      echo "FAIL SIG$signal $i after ${delay_ms} ms: ${problem#; }" >>"$log"
    fi
  done
  OUTCOME="old file $old, new file $new; temp files left: $temps"
  FAILURES=$failures
}

interrupt_runs "$KILLS" KILL
summary "kills (SIGKILL while a 5000-letting report is written, ${write_ms} ms)" "$KILLS" \
  "$OUTCOME" "$FAILURES"
terms=$(((KILLS + 4) / 5))
interrupt_runs "$terms" TERM INT HUP
summary "terminations (SIGTERM, SIGINT, SIGHUP while it is written)" "$terms" "$OUTCOME" "$FAILURES"
rm -rf "$case_dir"
