#!/usr/bin/env bash
# Sets up, builds and runs the demo export: the stand-in engine's built-in
# demo data set, the conditions dialog answered by a script. Says where the
# file went and shows its first lines in UTF-8.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target Orbek17Plus Orbek17Base orbek-inspect vkdataset

demo="$PWD/build/demo"
out="$demo/Orbek17Plus-demo.xml"
mkdir -p "$demo"
# The remembered-path file goes here instead of the user's own data folder.
export XDG_DATA_HOME="$demo/data"

echo "== Orbek17Plus, dialog commands: path $out / execute (y to replace an earlier file)"
status=0
printf 'path %s\nexecute\ny\n' "$out" | ./build/linux/bin/Orbek17Plus || status=$?
echo "== exit status $status (0 written, 1 not written, 2 failure)"
[ "$status" -eq 0 ] || exit "$status"

echo "== the file: $out ($(wc -c <"$out") bytes, Shift_JIS); its first lines in UTF-8:"
head -n 25 "$out" | iconv -f CP932 -t UTF-8 | tr -d '\r'
echo "== remembered for the next run: $XDG_DATA_HOME/varnoke/Orbek17Plus.env"
