#!/usr/bin/env bash
# The reliability suite: I/O faults at every file-system call of whole exports,
# SIGKILL (then SIGTERM, SIGINT, SIGHUP) while a large report is written, and
# overlapping runs (one output path; one remembered-path file). Runs the
# release build of the console programs and prints one summary table; fails
# when any case failed.
#   scripts/reliability.sh [--ci]   --ci: a bounded run (every 8th report write
#                                   faulted, 25 kills and 5 other signals,
#                                   5 overlap rounds)
set -euo pipefail
cd "$(dirname "$0")/.."
stride=1 kills=100 rounds=20
if [ "${1:-}" = "--ci" ]; then stride=8 kills=25 rounds=5; fi

./scripts/setup.sh
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target Orbek17Plus orbek_fault >/dev/null
bin="$PWD/build/linux-release/bin"
faultlib="$PWD/build/linux-release/lib/orbek_fault.so"

work="$(mktemp -d "${TMPDIR:-/tmp}/orbek-reliability-XXXXXX")"
trap 'rm -rf "$work"' EXIT
summary="$work/summary"
: >"$summary"
suite=tests/reliability
"$suite/io-faults.sh" "$bin" "$faultlib" "$work" "$summary" "$stride"
"$suite/kill.sh" "$bin" "$work" "$summary" "$kills"
"$suite/overlap.sh" "$bin" "$work" "$summary" "$rounds"

{
  printf '| test | cases | outcomes | failed |\n|---|---:|---|---:|\n'
  while IFS='|' read -r name cases outcomes failures _; do
    printf '| %s | %s | %s | %s |\n' "$name" "$cases" "$outcomes" "$failures"
  done <"$summary"
} | tee build/reliability-summary.md
failed=$(awk -F'|' '{n += $4} END {print n + 0}' "$summary")
if [ "$failed" -ne 0 ]; then
  echo
  echo "RELIABILITY FAILURES ($failed cases); the first of each test:"
  for log in "$work"/*.log; do
    [ -s "$log" ] && head -n 5 "$log"
  done
  exit 1
fi
echo "all reliability cases passed"
