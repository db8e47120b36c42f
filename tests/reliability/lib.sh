# Shared by the reliability scripts: whole runs of the console programs on
# the stand-in engine, data sets made from the demo, and the checks of what a
# run leaves behind. Sourced; expects BIN (the programs' folder) and WORK (a
# scratch folder of the caller's own).

readonly DEMO_DATASET="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/standin/demo/demo-dataset.json"
readonly MSG_DONE="所得税情報の出力が終了しました。"
readonly MSG_FAILED="XMLファイルの出力に失敗しました。"
readonly MSG_NO_FOLDER="フォルダの作成に失敗しました。"
readonly MSG_CANCELLED="｢所得税｣の集計を中止します。"

# run_export PROGRAM DATASET XDG INPUT [VAR=value...]: one run with a clean
# environment and INPUT (printf format) on standard input; its output in
# $RUN_OUT, its exit status in $RUN_STATUS.
run_export() {
  local program="$1" dataset="$2" xdg="$3" input="$4"
  shift 4
  RUN_OUT=$(printf "$input" | env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$WORK" \
    XDG_DATA_HOME="$xdg" TMPDIR="$WORK" VK_DATASET="$dataset" "$@" "$BIN/$program" 2>&1)
  RUN_STATUS=$?
}

# make_dataset OUT [LETTINGS] [USER]: the demo data set; with LETTINGS extra
# letting rows for the first company, and with USER as the current user
# (selecting the same company data as the demo's user).
make_dataset() {
  local out="$1" lettings="${2:-0}" user="${3:-yamada}"
  awk -v n="$lettings" -v user="$user" '
    /"currentUser":/ { sub(/"yamada"/, "\"" user "\"") }
    /"users": \[/ && user != "yamada" { print; print "    {\"userId\": \"" user "\", \"selNo1\": 1, \"selNo2\": 1},"; next }
    /"kasituke": \[/ && !done {
      print
      for (i = 1; i <= n; i++)
        printf "          {\"lowerAddress\": \"借主 %d\", \"location\": \"東京都北区赤羽9-%d\", \"address\": \"東京都北区赤羽9\", \"kasiyaKasiti\": \"貸家\", \"youto\": \"住宅\", \"from\": 20250101, \"to\": 20251231, \"area\": 250000, \"monthlyRent\": 600000000, \"yearlyRent\": 7200000000, \"reikin\": 0, \"kenrikin\": 0, \"kousinryou\": 0, \"meigiSonota\": 0, \"deposit\": 0},\n", i, i
      done = 1; next
    }
    { print }' "$DEMO_DATASET" >"$out"
}

# use_case_folder NAME: the folders of one test below WORK: $case_dir, its
# output folder $out, $xdg with the remembered-path file $env_file, and the
# test's failure log $log (emptied).
use_case_folder() {
  case_dir="$WORK/$1"
  out="$case_dir/out"
  xdg="$case_dir/xdg"
  env_file="$xdg/varnoke/Orbek17Plus.env"
  log="$WORK/$1.log"
  : >"$log"
}

# Temporary files the output and remembered-path writers leave in FOLDER...
leftover_temps() { find "$@" -maxdepth 1 -name '.orbek-*.tmp' 2>/dev/null | wc -l; }

# same_file A B: both absent, or both present with the same bytes.
same_file() {
  if [ -e "$1" ] || [ -e "$2" ]; then cmp -s "$1" "$2"; else return 0; fi
}

# well_formed_records FILE: every line is a whole record "user/n/n:n/n/n/path".
well_formed_records() {
  [ ! -e "$1" ] && return 0
  [ ! -s "$1" ] && return 0
  [ "$(tail -c 1 "$1" | od -An -c | tr -d ' ')" = '\n' ] || return 1
  ! grep -avqE '^[^:]*/-?[0-9]+/-?[0-9]+:-?[0-9]+/-?[0-9]+/[123]/' "$1"
}

# leftover_problems: what no run may leave in the case folder, as "; problem" texts.
leftover_problems() {
  local left
  left=$(leftover_temps "$out" "$out/new" "$xdg/varnoke")
  [ "$left" = 0 ] || printf '; %s temporary file(s) left' "$left"
  well_formed_records "$env_file" || printf '; the remembered-path file has a broken record'
}

# summary NAME CASES OUTCOMES FAILURES [NOTE]: one row of the summary table.
summary() { printf '%s|%s|%s|%s|%s\n' "$@" >>"$SUMMARY"; }
