#!/usr/bin/env bash
# Overlapping runs. (1) Several runs at once write one output path, each from
# its own data set: the target must end as one of their complete files, every
# run must succeed and no temporary file may stay. (2) Several users finish at
# once and rewrite one remembered-path file: every user's record must be in
# it, and every record that was there before.
# Usage: overlap.sh BIN WORK SUMMARY ROUNDS
set -uo pipefail
BIN="$1" WORK="$2" SUMMARY="$3" ROUNDS="$4"
source "$(dirname "$0")/lib.sh"

use_case_folder overlap
runs=4
users=6

# (1) One output path. Each writer has its own letting count, so its file differs.
target="$out/same.xml"
for ((w = 0; w < runs; w++)); do
  make_dataset "$WORK/writer-$w.json" $((w * 40))
  rm -rf "$case_dir" && mkdir -p "$out" "$xdg"
  run_export Orbek17Plus "$WORK/writer-$w.json" "$xdg" "3\npath $target\nexecute\n"
  cp "$target" "$WORK/writer-$w.xml"
done
failures=0
outcomes=""
for ((round = 1; round <= ROUNDS; round++)); do
  rm -rf "$case_dir" && mkdir -p "$out" "$xdg"
  pids=()
  for ((w = 0; w < runs; w++)); do
    printf "3\npath $target\nexecute\ny\n" | env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$WORK" \
      XDG_DATA_HOME="$xdg" TMPDIR="$WORK" VK_DATASET="$WORK/writer-$w.json" \
      "$BIN/Orbek17Plus" >"$WORK/writer-$w.out" 2>&1 &
    pids+=($!)
  done
  problem=""
  for pid in "${pids[@]}"; do wait "$pid" || problem="a run ended with $?"; done
  winner=none
  for ((w = 0; w < runs; w++)); do cmp -s "$target" "$WORK/writer-$w.xml" && winner=$w; done
  [ "$winner" = none ] && problem="$problem; the target is none of the complete files"
  problem="$problem$(leftover_problems)"
  outcomes="$outcomes $winner"
  if [ -n "$problem" ]; then
    failures=$((failures + 1))
    echo "FAIL writers round $round: ${problem#; }" >>"$log"
  fi
done
summary "overlap: $runs runs writing one output path" "$ROUNDS" \
  "last writer by round:$outcomes" "$failures"

# (2) One remembered-path file, rewritten by several users at once; then each
# user with a file of their own that is a symbolic link to one shared file.
for ((u = 1; u <= users; u++)); do make_dataset "$WORK/user-$u.json" 0 "user$u"; done
# user_xdg U LINKED: the data folder of user U's runs.
user_xdg() { if [ "$2" = linked ]; then echo "$case_dir/xdg-$1"; else echo "$xdg"; fi; }
rewrite_rounds() {
  local linked="$1" failures=0 lost_total=0 round u pid problem lost key
  for ((round = 1; round <= ROUNDS; round++)); do
    rm -rf "$case_dir" && mkdir -p "$out" "$xdg/varnoke"
    printf 'sato/1/2:0/0/1/%s\nito/1/3:0/0/3/%s\n' "$out/a.xml" "$out/b.xml" >"$env_file"
    for ((u = 1; u <= users; u++)); do
      [ "$linked" = linked ] || continue
      mkdir -p "$(user_xdg "$u" linked)/varnoke"
      ln -s "$env_file" "$(user_xdg "$u" linked)/varnoke/Orbek17Plus.env"
    done
    pids=()
    for ((u = 1; u <= users; u++)); do
      printf "1\npath $out/user$u.xml\nexecute\n" | env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
        HOME="$WORK" XDG_DATA_HOME="$(user_xdg "$u" "$linked")" TMPDIR="$WORK" VK_DATASET="$WORK/user-$u.json" \
        "$BIN/Orbek17Plus" >/dev/null 2>&1 &
      pids+=($!)
    done
    problem=""
    for pid in "${pids[@]}"; do wait "$pid" || problem="a run ended with $?"; done
    lost=0
    for key in "sato/1/2:" "ito/1/3:"; do grep -qF "$key" "$env_file" || lost=$((lost + 1)); done
    for ((u = 1; u <= users; u++)); do
      grep -qxF "user$u/1/1:0/0/1/$out/user$u.xml" "$env_file" || lost=$((lost + 1))
    done
    [ "$lost" = 0 ] || problem="$problem; $lost of $((users + 2)) records lost"
    problem="$problem$(leftover_problems)"
    lost_total=$((lost_total + lost))
    if [ -n "$problem" ]; then
      failures=$((failures + 1))
      echo "FAIL users ($linked) round $round: ${problem#; }" >>"$log"
    fi
  done
  local what="one remembered-path file"
  [ "$linked" = linked ] && what="links to one remembered-path file"
  summary "overlap: $users users rewriting $what" "$ROUNDS" \
    "records lost: $lost_total of $((ROUNDS * (users + 2)))" "$failures"
}
rewrite_rounds shared
rewrite_rounds linked
rm -rf "$case_dir"
