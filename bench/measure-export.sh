#!/bin/sh
# A whole real-estate export of 10 000 fully filled letting rows against the
# floor: a program that writes the same bytes one write per line with the same
# fsync and rename. Runs the two alternately and prints the median CPU time
# (user + system, from /usr/bin/time) of each, their ratio and the export's
# peak memory.
#   bench/measure-export.sh FLOOR [RUNS] [ROWS]
# FLOOR is the floor program (called as FLOOR SOURCE.xml TARGET.xml); the
# release build (preset linux-release) must be built. EXPORTER may name
# another Orbek17Plus to measure (an older build, say).
set -eu
floor="$1"
runs="${2:-15}"
rows="${3:-10000}"
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="$root/build/linux-release"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$bin/bench/bench_datasetload" --write-dataset "$rows" "$work/set.json"
export VK_DATASET="$work/set.json" XDG_DATA_HOME="$work/xdg"
export_once() {  # $1: output file (must not exist: no overwrite question)
  printf '3\npath %s\nexecute\n' "$1" | /usr/bin/time -f '%U %S %M' -o "$work/time" \
    "${EXPORTER:-$bin/bin/Orbek17Plus}" >/dev/null 2>&1
  cat "$work/time"
}
export_once "$work/source.xml" >/dev/null
echo "data set: $(wc -c <"$work/set.json") bytes, XML: $(wc -c <"$work/source.xml") bytes"

: >"$work/export.times"
: >"$work/floor.times"
i=0
while [ "$i" -lt "$runs" ]; do
  rm -f "$work/out.xml" "$work/floor.xml"
  export_once "$work/out.xml" >>"$work/export.times"
  cmp -s "$work/out.xml" "$work/source.xml" || { echo "export differs from the first run" >&2; exit 1; }
  /usr/bin/time -f '%U %S %M' -o "$work/time" "$floor" "$work/source.xml" "$work/floor.xml"
  cat "$work/time" >>"$work/floor.times"
  i=$((i + 1))
done

median() {  # column $2 of file $1 (1: CPU seconds, user + system; 3: peak KiB)
  awk -v c="$2" '{print (c == 1 ? $1 + $2 : $3)}' "$1" | sort -n |
    awk '{v[NR] = $1} END {print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2)}'
}
e=$(median "$work/export.times" 1)
f=$(median "$work/floor.times" 1)
m=$(median "$work/export.times" 3)
echo "median CPU over $runs alternating runs: export ${e}s, floor ${f}s, ratio $(awk -v e="$e" -v f="$f" 'BEGIN {printf "%.2f", e / f}')"
echo "export peak memory (median): $m KiB"
