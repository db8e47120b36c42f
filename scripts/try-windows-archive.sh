#!/usr/bin/env bash
# Tries the Windows archive as a user would: builds it, unpacks it into a
# fresh Wine prefix (not the tests' one) and, from the unpacked folder, runs
# both console tools (the page they write must equal the Linux one), and one export through the real dialog of
# Orbek17Plus.exe on the sample data set, whose bytes must equal the Linux
# program's. Screenshots in build/try-archive/artefacts. Exit status 1 when a
# check fails.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
archive=$(./scripts/package-windows.sh | tail -n1)
[ -f "$archive" ] || { echo "try-windows-archive: no archive" >&2; exit 1; }
cmake --preset linux >/dev/null
cmake --build --preset linux --target Orbek17Plus orbek-inspect >/dev/null

try="$root/build/try-archive"
rm -rf "$try"
mkdir -p "$try"
source tests/gui/lib.sh
# The display comes first: Wine's processes keep the display they started with.
gui_start_display
trap gui_stop_display EXIT
export WINEPREFIX="$try/prefix"
source scripts/wine-env.sh  # makes the prefix: a minute or two
name=$(basename "$archive" -windows-x64.zip)
version=${name#Orbek17-}
unzip -q "$archive" -d "$WINEPREFIX/drive_c"
bin="$WINEPREFIX/drive_c/$name"
art="$try/artefacts" work="$try/work" linux_bin="$root/build/linux/bin"
out="$WINEPREFIX/drive_c/out"
mkdir -p "$art" "$work" "$out"

# Runs a program of the unpacked folder; $1 the expected exit status; its
# output in $work/run.out (the console's code page, 932).
runs() {
  local expected="$1" status=0
  shift
  (cd "$bin" && wine "$@" >"$work/run.out" 2>&1) || status=$?
  if [ "$status" = "$expected" ]; then ok "$* ends with $expected"; else fail "$* ends with $status, not $expected"; fi
}
holds() {  # $1 what, $2 file, $3 text (UTF-8) the file must hold
  if grep -qF -- "$3" "$2"; then ok "$1 holds $3"; else fail "$1 lacks $3"; fi
}

runs 0 ./orbek-inspect.exe --version
holds "orbek-inspect --version" "$work/run.out" "orbek-inspect $version"
runs 0 ./vkdataset.exe check 'sample\demo-dataset.json'

sample="$bin/sample/demo-dataset.json"
start archive "$sample" ./Orbek17Plus.exe
export_through_dialog archive 'C:\out\demo.xml' || true
expect_status archive archive 0
linux_run Orbek17Plus "$sample" "$(printf 'path %s\nexecute\n' "$work/linux.xml")"
same_as_linux archive "$out/demo.xml" "$work/linux.xml"

runs 0 ./orbek-inspect.exe 'C:\out\demo.xml'
head -c 3000 "$out/demo.xml" >"$out/cut.xml"
runs 1 ./orbek-inspect.exe 'C:\out\cut.xml'
runs 0 ./orbek-inspect.exe --html 'C:\out\demo.html' 'C:\out\demo.xml'
holds "the page" "$out/demo.html" "山田木工所"
holds "the page" "$out/demo.html" "28,456,789"
"$linux_bin/orbek-inspect" --html "$work/linux.html" "$out/demo.xml" >/dev/null
if cmp -s "$out/demo.html" "$work/linux.html"; then ok "the page equals the Linux build's"; else fail "the page differs from the Linux build's"; fi

echo "archive $archive ($(stat -c %s "$archive") bytes) tried in $WINEPREFIX"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
