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

# --- 1. stand-alone success, with the overwrite question; leftovers swept ------------
dataset s1 "$template"
mkdir -p "$work/s1/out"
out="$work/s1/out/report.xml"
printf 'old' >"$out"
# Temporary files of killed runs: only this program's names over an hour old go.
for name in '~ob0a1b2.tmp' '~ob0a1b3.tmp' '~OB0A1B4.TMP' 'note~ob0a1b5.tmp'; do printf 'left' >"$work/s1/out/$name"; done
touch -d '2 hours ago' "$work/s1/out/~ob0a1b2.tmp" "$work/s1/out/~OB0A1B4.TMP" "$work/s1/out/note~ob0a1b5.tmp"
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
left="$(cd "$work/s1/out" && ls | tr '\n' ' ')"
if [ "$left" = 'note~ob0a1b5.tmp report.xml ~OB0A1B4.TMP ~ob0a1b3.tmp ' ]; then
  ok "s1: the stale temporary file was removed, the fresh one and other names kept"
else
  fail "s1: left in the folder: $left"
fi

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
start s5 "$work/s5/win.json" ./vkcaller.exe "$(winpath "$bin/Orbek17Base.exe")" 33059 -5 "$(winpath "$out")"
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

# --- 6. typed paths that cannot be written are refused, each by its cause ------------------
# The dialog stays open after each; a path the dialog takes is written, also
# when it just fits MAX_PATH with a short name.
dataset s6 "$template"
mkdir -p "$work/s6/out"
printf 'old' >"$work/s6/out/kept.xml"
chmod 444 "$work/s6/out/kept.xml"   # read-only, as Wine shows it
outwin="$(winpath "$work/s6/out")"
# A folder whose Windows path with "\a.xml" is 259 bytes.
long="$work/s6/long"
mkdir -p "$long"
left=$((259 - 5 - $(winpath "$long" | wc -c)))   # wc counts the newline: the separator after it
while [ "$left" -gt 0 ]; do
  n=$((left > 101 ? 100 : left - 1))
  [ $((left - n - 1)) -eq 1 ] && n=$((n - 1))
  long="$long/$(printf "%${n}s" '' | tr ' ' d)"
  left=$((left - n - 1))
done
mkdir -p "$long"
out="$(winpath "$long")\\a.xml"
cut="$outwin\\$(printf '%300s' '' | tr ' ' a)"   # cut to 255 bytes it would be a path to take
start s6 "$work/s6/win.json" ./Orbek17Plus.exe
refused() {  # $1 path typed over the selected text, $2 picture of the message
  typed "$1" && keys F12 && step s6 "$box" 20 && { [ -z "$2" ] || shot "$2"; } && keys Return && sleep 0.5 &&
  if visible "$dialog"; then ok "s6: refused, the dialog left open: ${1:0:60}"; else fail "s6: the dialog closed after ${1:0:60}"; false; fi
}
{
  step s6 "$dialog" 60 && keys Return &&
  refused 'rel.xml' s6-relative-path && refused 'Z:drel.xml' '' &&
  refused "$outwin\\NUL" s6-device-name && refused "$outwin\\aux.xml" '' &&
  refused "$outwin\\kept.xml" s6-read-only-file && refused 'Z:\proc\out.xml' s6-folder-not-writable &&
  refused "$cut" s6-too-long &&
  typed "$out" && keys F12 && work_runs s6 && step s6 "$box" 180 && shot s6-done-message && keys Return
} || true
expect_status s6 s6 0
for f in "$bin/rel.xml" "$bin/drel.xml" "$work/s6/out/aux.xml"; do [ -e "$f" ] && fail "s6: $f was written"; done
[ "$(cat "$work/s6/out/kept.xml")" = old ] || fail "s6: the read-only file changed"
ls "$work/s6/out" | grep -q '^aaa' && fail "s6: a cut path was written"
linux_run Orbek17Plus "$work/s6/linux.json" "$(printf 'path %s\nexecute\n' "$work/s6/linux.xml")"
same_as_linux s6 "$long/a.xml" "$work/s6/linux.xml"
[ -z "$(ls -A "$long" | grep -v '^a.xml$')" ] || fail "s6: a temporary file was left beside the 259-byte path"

# --- 7. the caller: a number that is no window, and a fixed path the checks refuse -----------
dataset s7 "$template"
mkdir -p "$work/s7"
out="$work/s7/nowindow.xml"
start s7a "$work/s7/win.json" ./Orbek17Plus.exe "12345,33059,-5,$(winpath "$out")"
{
  step s7a "$dialog" 60 && shot s7-no-owner && keys F12 &&   # shown without an owner
  work_runs s7a && step s7a "$box" 180 && keys Return
} || true
expect_status "s7 (no window)" s7a 0
[ -s "$out" ] && ok "s7: written for a caller that is no window" || fail "s7: nothing written for a caller that is no window"
printf 'old' >"$work/s7/kept.xml"
chmod 444 "$work/s7/kept.xml"
start s7b "$work/s7/win.json" ./vkcaller.exe "$(winpath "$bin/Orbek17Plus.exe")" 33059 -5 "$(winpath "$work/s7/kept.xml")"
{
  step s7b "$dialog" 60 && keys F12 &&
  step s7b "$box" 20 && shot s7-fixed-path-refused && keys Return &&   # why the path is refused
  step s7b "$box" 20 && shot s7-fixed-path-ends-the-run && keys Return   # that the run ends
} || true
expect_status "s7 (refused fixed path)" s7b 0   # the caller's own status: it got a notice
notice="$(tr -d '\r' <"$work/s7b.out")"
echo "$notice" | sed 's/^/  caller: /'
if echo "$notice" | grep -qx 'notice message=33059 wParam=-5 lParam=2 disabled-during-run=yes' &&
   echo "$notice" | grep -qx 'exporter exit=2'; then
  ok "s7: a refused fixed path ends the run with 2, and the caller is told 2"
else
  fail "s7: the caller's notice for a refused fixed path is not as expected"
fi

echo "GUI scenarios: screenshots in $art"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
