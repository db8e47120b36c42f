#!/usr/bin/env bash
# GUI scenarios of the Windows programs under Wine, on a virtual X display,
# driven with xdotool; windows are found by their captions. Each run's XML
# file is compared byte for byte with the Linux program's file for the same
# data set. Screenshots are kept in build/gui-artefacts/.
# Needs: build/windows (preset windows) and build/linux/bin (preset linux).
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
source "$root/scripts/wine-env.sh"
bin="$root/build/windows/bin"
linux_bin="$root/build/linux/bin"
art="$root/build/gui-artefacts"
work="$root/build/gui-work"
rm -rf "$art" "$work"
mkdir -p "$art" "$work"

source "$root/tests/gui/lib.sh"
gui_start_display
cleanup() {
  wine reg delete 'HKCU\Environment' /v VK_DATASET /f >/dev/null 2>&1
  gui_stop_display
}
trap cleanup EXIT

# A data set for both builds: its engine folder (the remembered-path file)
# in the build's own form. $1 name, $2 template with APPFOLDER.
dataset() {
  local name="$1" template="$2"
  mkdir -p "$work/$name/linux-engine" "$work/$name/win-engine"
  local winfolder
  winfolder="$(winpath "$work/$name/win-engine")\\"
  sed "s|APPFOLDER|${winfolder//\\/\\\\\\\\}|" "$template" >"$work/$name/win.json"
  sed "s|APPFOLDER|$work/$name/linux-engine/|" "$template" >"$work/$name/linux.json"
}

demo_template() {
  sed '0,/"format": 1,/s//"format": 1, "appFolders": {"1": "APPFOLDER"},/' \
    "$root/standin/demo/demo-dataset.json" >"$work/demo-template.json"
  echo "$work/demo-template.json"
}


template="$(demo_template)"

# --- 1. stand-alone success, with the overwrite question ----------------------------
dataset s1 "$template"
mkdir -p "$work/s1/out"
out="$work/s1/out/report.xml"
printf 'old' >"$out"
start s1 "$work/s1/win.json" ./Orbek17Plus.exe
{
  step s1 "$dialog" 60 && shot 130-conditions &&
  keys Return &&                            # Enter on a radio: into the path, all selected
  typed "$(winpath "$out")" && keys F12 &&
  step s1 "$box" 20 && shot s1-overwrite-question && keys Return &&
  work_runs s1 131-progress &&
  step s1 "$box" 180 && shot s1-done-message && keys Return
} || true
expect_status s1 s1 0
linux_run Orbek17Plus "$work/s1/linux.json" "$(printf 'path %s\nexecute\ny\n' "$work/s1/linux.xml")"
same_as_linux s1 "$out" "$work/s1/linux.xml"

# --- 2. cancel with its message; an engine text with "&" -------------------------
# The company's "&" is shown as it is, not as an underline (picture 130-ampersand).
sed 's/"companyName": "山田木工所/"companyName": "A\&B木工所/' "$template" >"$work/ampersand.json"
dataset s2 "$work/ampersand.json"
start s2 "$work/s2/win.json" ./Orbek17Base.exe
{
  step s2 "$dialog" 60 && sleep 1 && shot 130-ampersand && keys Escape &&
  step s2 "$box" 20 && shot s2-cancel-message && keys Return
} || true
expect_status s2 s2 1

# --- 3. past-results data is refused before the choice --------------------------------
mkdir -p "$work/s3"
cat >"$work/s3/template.json" <<'JSON'
{"format": 1, "currentUser": "u1", "users": [{"userId": "u1", "selNo1": 1, "selNo2": 4}],
 "appFolders": {"1": "APPFOLDER"},
 "companies": [{"dataId": "D0004", "dataNo": 4, "companyName": "過去商店", "dataKind": 99,
                "fiscalFrom": 20240101, "fiscalTo": 20241231, "aoSiroKind": 4, "jigyouKind": 1}]}
JSON
dataset s3 "$work/s3/template.json"
start s3 "$work/s3/win.json" ./Orbek17Plus.exe
{
  step s3 "$box" 60 && shot s3-past-results-message &&
  { visible "$dialog" && fail "s3: the dialog was shown" || ok "s3: refused before the dialog was shown"; } &&
  keys Return
} || true
expect_status s3 s3 1

# --- 4. keys, a refused path corrected, the save-file dialog, a new folder -------------
dataset s4 "$template"
bad="$(winpath "$work/s4")\\a,b.xml"
out="$work/s4/new/report.xml"
start s4 "$work/s4/win.json" ./Orbek17Plus.exe
{
  step s4 "$dialog" 60 && keys Return && typed "$bad" &&
  keys ctrl+F12 && sleep 1.5 &&
  { visible "$box" && { fail "s4: Ctrl+F12 executed"; keys Return; } || ok "s4: Ctrl+F12 does not execute"; } &&
  keys F12 && step s4 "$box" 20 && shot s4-refused-path && keys Return &&
  sleep 0.5 && typed "$(winpath "$out")" &&   # the refusal left the whole path selected
  keys Return &&                              # Enter in the path: to the browse button
  keys Return &&                              # Enter on browse: the save-file dialog
  step s4 '^保存ファイルを指定$' 20 && shot s4-save-file-dialog && keys Escape &&
  sleep 0.5 && keys Return &&                 # focus on execute: Enter executes
  step s4 "$box" 20 && shot s4-create-folder-question && keys Return &&
  work_runs s4 &&
  step s4 "$box" 180 && keys Return
} || true
expect_status s4 s4 0
[ -f "$work/s4/a,b.xml" ] && fail "s4: the refused path was written"
linux_run Orbek17Plus "$work/s4/linux.json" "$(printf 'path %s\nexecute\n' "$work/s4/linux.xml")"
same_as_linux s4 "$out" "$work/s4/linux.xml"

# --- 5. started by a caller with a fixed path: the completion notice ---------------------
dataset s5 "$template"
mkdir -p "$work/s5/out"
out="$work/s5/out/fixed.xml"
printf 'old' >"$out"
start s5 "$work/s5/win.json" ./TestCaller.exe "$(winpath "$bin/Orbek17Base.exe")" 33059 -5 "$(winpath "$out")"
{
  step s5 "$dialog" 60 && shot 130-started-by-caller && keys F12 &&   # fixed path: no question
  work_runs s5 &&
  step s5 "$box" 180 && shot s5-done-message && keys Return
} || true
expect_status s5 s5 0
notice="$(tr -d '\r' <"$work/s5.out")"
echo "$notice" | sed 's/^/  caller: /'
if echo "$notice" | grep -qx 'notice message=33059 wParam=-5 lParam=0 disabled-during-run=yes'; then
  ok "s5: the caller got message 33059 with -5 and result 0, and was disabled meanwhile"
else
  fail "s5: the caller's notice is not as expected"
fi
linux_run Orbek17Base "$work/s5/linux.json" "$(printf 'execute\n')" "200,33059,-5,$work/s5/linux.xml"
same_as_linux s5 "$out" "$work/s5/linux.xml"

echo "GUI scenarios: screenshots in $art"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
