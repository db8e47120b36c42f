#!/usr/bin/env bash
# Makes the largest real-estate export there is: the demo data set with 9 999
# letting rows, exported by Orbek17Plus on the stand-in engine. The inspector's
# benchmark reads it. Usage: make-lettings-export.sh [BUILD_DIR] (default build/linux-release)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/linux-release}"
out="$build/inspect-bench"
mkdir -p "$out"
python3 - standin/demo/demo-dataset.json "$out/lettings-9999.json" <<'PY'
import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
company = data["companies"][0]
rows = company["fudousan"]["kasituke"]
lettings = []
for i in range(9999):
    row = dict(rows[i % len(rows)])
    row["location"] = f"東京都北区赤羽{i // 100 + 1}-{i % 100 + 1}-3 {i % 50 + 101}号室"
    row["monthlyRent"] = 600000000 + i * 10000
    row["yearlyRent"] = row["monthlyRent"] * 12
    lettings.append(row)
company["fudousan"]["kasituke"] = lettings
json.dump(data, open(sys.argv[2], "w", encoding="utf-8"), ensure_ascii=False)
PY
export VK_DATASET="$PWD/$out/lettings-9999.json" XDG_DATA_HOME="$PWD/$out/data"
printf '3\npath %s\nexecute\ny\n' "$PWD/$out/lettings-9999.xml" | "$build/bin/Orbek17Plus" >/dev/null
echo "$out/lettings-9999.xml: $(wc -c <"$out/lettings-9999.xml") bytes, $(grep -c '<FUDOUSAN_UTIWAKE ' "$out/lettings-9999.xml") letting rows"
