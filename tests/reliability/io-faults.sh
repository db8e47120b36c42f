#!/usr/bin/env bash
# I/O faults: for each scenario, a clean run counts the program's file-system
# calls in the output folder and the remembered-path folder (every kind the
# fault library knows: open, access, stat, lock, truncate, chmod, read, write,
# fsync, close, rename, mkdir, unlink, ...); then each of those calls is made
# to fail in turn (ENOSPC, EIO and EACCES; the many writes of the report take
# one of the three each, in turn), and then to be met by an ending signal. After every run:
# the result code and its message agree, the target is the old file or the
# complete new one, no temporary file is left, and the remembered-path file
# is the old one or the correctly rewritten one (the old one after a failure).
# Usage: io-faults.sh BIN FAULTLIB WORK SUMMARY [WRITE_STRIDE]
# With WRITE_STRIDE n, only every n-th write of the report fails (and its last).
set -uo pipefail
BIN="$1" FAULTLIB="$2" WORK="$3" SUMMARY="$4" STRIDE="${5:-1}"
source "$(dirname "$0")/lib.sh"

use_case_folder io-faults  # the same path in every run: it is part of the remembered record

# Scenario "business": kind 1 into a folder still to be made (the user says
# yes), no remembered-path file and no folder for it yet.
setup_business() {
  rm -rf "$case_dir" && mkdir -p "$out" "$xdg"
  TARGET="$out/new/report.xml"
  INPUT="1\npath $TARGET\nexecute\ny\n"
}
# Scenario "real-estate": kind 3 over an existing file, and a remembered-path
# file with other users' records and this user's old one to be replaced.
setup_realestate() {
  rm -rf "$case_dir" && mkdir -p "$out" "$xdg/varnoke"
  TARGET="$out/report.xml"
  printf 'old report\n' >"$TARGET"
  printf 'sato/1/2:0/0/1/%s\nyamada/1/1:0/0/2/%s\nito/1/3:0/0/3/%s\n' \
    "$out/a.xml" "$out/b.xml" "$out/c.xml" >"$env_file"
  INPUT="3\npath $TARGET\nexecute\ny\n"
}

snapshot_old() {
  rm -rf "$WORK/old" && mkdir -p "$WORK/old"
  [ -e "$TARGET" ] && cp "$TARGET" "$WORK/old/target"
  [ -e "$env_file" ] && cp "$env_file" "$WORK/old/env"
  return 0
}

# After result 0: a problem when a write, flush, close or rename of the report
# (its temporary file, or the target written in place) was the failed call:
# such a report may not be on the disk, and is never reported as written.
report_fault_problem() {
  [[ "${FAULT_PATH:-}" == "${TARGET%/*}/"* ]] || return 0
  case "$FAULT_OP:${FAULT_PATH##*/}" in
    write:.orbek-* | fsync:.orbek-* | close:.orbek-* | write:"${TARGET##*/}" | fsync:"${TARGET##*/}" | \
      close:"${TARGET##*/}" | rename:"${TARGET##*/}")
      echo "; result 0 although the report's $FAULT_OP failed" ;;
  esac
}

# check_case LABEL: the checks after one run; prints the outcome word.
check_case() {
  local label="$1" problem=""
  case "$RUN_STATUS" in
    0) grep -qF "$MSG_DONE" <<<"$RUN_OUT" || problem="result 0 without the completion message"
       problem="$problem$(report_fault_problem)"
       same_file "$TARGET" "$WORK/golden/target" || problem="$problem; result 0 but the target is not the complete new file"
       same_file "$env_file" "$WORK/old/env" || same_file "$env_file" "$WORK/golden/env" ||
         problem="$problem; remembered-path file neither old nor rewritten" ;;
    # A failed existence check of the folder asks whether to create it, and
    # the answer meant for another question leaves the last one unanswered: No.
    1) grep -qF -e "$MSG_NO_FOLDER" -e "$MSG_CANCELLED" <<<"$RUN_OUT" ||
         problem="result 1 without the folder or cancel message" ;;
    2) grep -qF "$MSG_FAILED" <<<"$RUN_OUT" || problem="result 2 without the failure message" ;;
    *) problem="result $RUN_STATUS" ;;
  esac
  if [ "$RUN_STATUS" != 0 ]; then
    same_file "$TARGET" "$WORK/old/target" || problem="$problem; the target changed after result $RUN_STATUS"
    same_file "$env_file" "$WORK/old/env" || problem="$problem; the remembered-path file changed after result $RUN_STATUS"
  fi
  problem="$problem$(leftover_problems)"
  if [ -n "$problem" ]; then
    echo "FAIL $label: ${problem#; }" >>"$log"
    echo fail
  else
    echo "ok$RUN_STATUS"
  fi
}

# fault_calls SETUP CHECK AFTER [VAR=value...]: each call of $WORK/calls numbered
# above AFTER fails in turn (the report's writes by the stride, one error each;
# the other calls with ENOSPC, EIO and EACCES), in a run set up by SETUP with
# the variables given, judged by CHECK; the caller's cases, ok0, ok1, ok2 and
# failures count the outcomes.
fault_calls() {
  local setup="$1" check="$2" after="$3" last_write number op path err errnos=(ENOSPC EIO EACCES)
  shift 3
  last_write=$(awk '$2 == "write" {n = $1} END {print n}' "$WORK/calls")
  while read -r number op path; do
    [ "$number" -le "$after" ] && continue
    [ "$op" = write ] && [ $((number % STRIDE)) != 0 ] && [ "$number" != "$last_write" ] && continue
    local chosen=("${errnos[@]}")
    [ "$op" = write ] && chosen=("${errnos[$((number % 3))]}")
    for err in "${chosen[@]}"; do
      FAULT_OP="$op" FAULT_PATH="$path"
      $setup
      snapshot_old
      run_export Orbek17Plus "$DEMO_DATASET" "$xdg" "$INPUT" LD_PRELOAD="$FAULTLIB" \
        ORBEK_FAULT_PATHS="$out:$xdg" ORBEK_FAULT_AT="$number" ORBEK_FAULT_ERRNO="$err" "$@"
      cases=$((cases + 1))
      case "$($check "$scenario call $number ($op ${path##*/}) $err")" in
        ok0) ok0=$((ok0 + 1)) ;;
        ok1) ok1=$((ok1 + 1)) ;;
        ok2) ok2=$((ok2 + 1)) ;;
        *) failures=$((failures + 1)) ;;
      esac
    done
  done <"$WORK/calls"
}

# call_counts AFTER: how many calls of each kind $WORK/calls holds above AFTER.
call_counts() {
  awk -v after="$1" '$1 > after {print $2}' "$WORK/calls" | sort | uniq -c |
    awk '{printf "%s%s %s", sep, $1, $2; sep=", "}'
}

sweep() {
  local scenario="$1" setup="setup_$1"
  $setup
  snapshot_old
  rm -f "$WORK/calls"
  run_export Orbek17Plus "$DEMO_DATASET" "$xdg" "$INPUT" LD_PRELOAD="$FAULTLIB" \
    ORBEK_FAULT_PATHS="$out:$xdg" ORBEK_FAULT_LOG="$WORK/calls"
  if [ "$RUN_STATUS" != 0 ]; then
    echo "FAIL $scenario: the run without faults ended with $RUN_STATUS" >>"$log"
    summary "I/O faults: $scenario" 1 "clean run failed" 1
    return
  fi
  rm -rf "$WORK/golden" && mkdir -p "$WORK/golden"
  cp "$TARGET" "$WORK/golden/target"
  [ -e "$env_file" ] && cp "$env_file" "$WORK/golden/env"
  rm -rf "$WORK/golden-$scenario" && cp -r "$WORK/golden" "$WORK/golden-$scenario"
  cp "$WORK/calls" "$WORK/calls-$scenario"

  local cases=0 failures=0 ok0=0 ok1=0 ok2=0
  fault_calls setup_$scenario check_case 0
  local calls
  calls=$(call_counts 0)
  summary "I/O faults: $scenario ($calls)" "$cases" \
    "written $ok0, not written 1: $ok1, failed 2: $ok2" "$failures"
}

# signal_sweep SCENARIO: SIGTERM, SIGINT or SIGHUP (in turn) raised at each
# counted call of a clean run (the writes of the report by the stride). The
# program ends by it, or runs on where it ignores it; either way the target
# and the remembered-path file are old or new, and no temporary file is left.
signal_sweep() {
  local scenario="$1" setup="setup_$1"
  local cases=0 failures=0 ended=0 finished=0 signals=(TERM INT HUP) last_write
  last_write=$(awk '$2 == "write" {n = $1} END {print n}' "$WORK/calls-$scenario")
  while read -r number op path; do
    [ "$op" = write ] && [ $((number % STRIDE)) != 0 ] && [ "$number" != "$last_write" ] && continue
    local signal="${signals[$((number % 3))]}" problem=""
    $setup
    snapshot_old
    run_export Orbek17Plus "$DEMO_DATASET" "$xdg" "$INPUT" LD_PRELOAD="$FAULTLIB" \
      ORBEK_FAULT_PATHS="$out:$xdg" ORBEK_FAULT_AT="$number" ORBEK_FAULT_SIGNAL="$signal"
    cases=$((cases + 1))
    if [ "$RUN_STATUS" -gt 128 ]; then ended=$((ended + 1)); else finished=$((finished + 1)); fi
    same_file "$TARGET" "$WORK/old/target" || same_file "$TARGET" "$WORK/golden-$scenario/target" ||
      problem="the target is neither old nor new"
    same_file "$env_file" "$WORK/old/env" || same_file "$env_file" "$WORK/golden-$scenario/env" ||
      problem="$problem; the remembered-path file is neither old nor rewritten"
    problem="$problem$(leftover_problems)"
    if [ -n "$problem" ]; then
      echo "FAIL $scenario SIG$signal at call $number ($op ${path##*/}): ${problem#; }" >>"$log"
      failures=$((failures + 1))
    fi
  done <"$WORK/calls-$scenario"
  summary "signals: $scenario (SIGTERM, SIGINT, SIGHUP at each call)" "$cases" \
    "ended by the signal $ended, ran on $finished" "$failures"
}

# inplace_check LABEL: the checks after one real-estate run in place.
# A failure may leave the target cut short (the run says so); the
# remembered-path file is only ever replaced whole.
inplace_check() {
  local label="$1" problem="" size
  case "$RUN_STATUS" in
    0) same_file "$TARGET" "$WORK/golden-realestate/target" || problem="result 0 but the target is not the new file"
       problem="$problem$(report_fault_problem)"
       same_file "$env_file" "$WORK/old/env" || same_file "$env_file" "$WORK/golden-realestate/env" ||
         problem="$problem; remembered-path file neither old nor rewritten" ;;
    2) grep -qF "$MSG_FAILED" <<<"$RUN_OUT" || problem="result 2 without the failure message"
       size=$(stat -c %s "$TARGET")
       same_file "$TARGET" "$WORK/old/target" || cmp -s -n "$size" "$TARGET" "$WORK/golden-realestate/target" ||
         problem="$problem; the target is neither old nor the new one cut short"
       same_file "$env_file" "$WORK/old/env" || problem="$problem; the remembered-path file changed after result 2" ;;
    *) problem="result $RUN_STATUS" ;;
  esac
  problem="$problem$(leftover_problems)"
  if [ -n "$problem" ]; then
    echo "FAIL in place $label: ${problem#; }" >>"$log"
    echo fail
  else
    echo "ok$RUN_STATUS"
  fi
}

# In place: the output folder refuses the temporary file (EACCES as it is
# made), so the report is written into the existing target on commit; then
# every later call fails in turn. First the remembered-path file's own
# temporary file is refused: it must stay as it was, never written in place.
inplace_sweep() {
  local first env_temp cases=0 failures=0 ok0=0 ok2=0
  first=$(awk '$2 == "open" && $3 ~ /\/out\/\.orbek-/ {print $1; exit}' "$WORK/calls-realestate")
  env_temp=$(awk '$2 == "open" && $3 ~ /varnoke\/\.orbek-/ {print $1; exit}' "$WORK/calls-realestate")
  setup_realestate && snapshot_old
  run_export Orbek17Plus "$DEMO_DATASET" "$xdg" "$INPUT" LD_PRELOAD="$FAULTLIB" \
    ORBEK_FAULT_PATHS="$out:$xdg" ORBEK_FAULT_ALSO="$env_temp:EACCES"
  cases=1
  same_file "$env_file" "$WORK/old/env" && [ "$RUN_STATUS" = 0 ] && ok0=1 ||
    { failures=1; echo "FAIL in place: the remembered-path file changed when its folder refused new files" >>"$log"; }
  setup_realestate && snapshot_old
  rm -f "$WORK/calls"
  run_export Orbek17Plus "$DEMO_DATASET" "$xdg" "$INPUT" LD_PRELOAD="$FAULTLIB" \
    ORBEK_FAULT_PATHS="$out:$xdg" ORBEK_FAULT_ALSO="$first:EACCES" ORBEK_FAULT_LOG="$WORK/calls"
  [ "$(inplace_check clean)" = ok0 ] || failures=$((failures + 1))
  local scenario="realestate in place" ok1=0
  fault_calls setup_realestate inplace_check "$first" ORBEK_FAULT_ALSO="$first:EACCES"
  local calls
  calls=$(call_counts "$first")
  summary "I/O faults: realestate in place ($calls)" "$cases" "written $ok0, failed 2: $ok2" "$failures"
}

sweep business
sweep realestate
inplace_sweep
signal_sweep business
signal_sweep realestate
rm -rf "$case_dir"
