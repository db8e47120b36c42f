#!/usr/bin/env bash
# The demo export, inspected: its summary equals the golden text, and its HTML
# page, opened in headless Chromium, shows the company and a known amount.
# Then a 3 000-letting export with --all, printed to PDF by Chromium: at most
# 100 A4 pages, the letting list on landscape ones. The pages, the PDF and
# PNG pictures of a letting page and the last page stay in ARTEFACTS for a look by eye.
# Usage: demo-page.sh BIN_DIR SOURCE_DIR ARTEFACTS
set -euo pipefail
bin="$1" source="$2" artefacts="$3"
rm -rf "$artefacts" && mkdir -p "$artefacts"
export XDG_DATA_HOME="$artefacts/data" LANG=C.UTF-8 LC_ALL=C.UTF-8
xml="$artefacts/demo.xml" html="$artefacts/demo.html" png="$artefacts/demo.png"

printf 'path %s\nexecute\n' "$xml" | "$bin/Orbek17Plus" >/dev/null
status=0
"$bin/orbek-inspect" --html "$html" "$xml" >"$artefacts/demo.txt" || status=$?
[ "$status" -eq 0 ] || { echo "orbek-inspect found faults in the demo export (status $status)"; cat "$artefacts/demo.txt"; exit 1; }
diff -u "$source/tests/examine/golden/demo.txt" "$artefacts/demo.txt"

# Self-contained: nothing is fetched from elsewhere.
if grep -Eq '(src|href)=|url\(|@import' "$html"; then echo "the page refers to other resources"; exit 1; fi

browser=(chromium --headless --no-sandbox --disable-gpu --no-first-run --hide-scrollbars --user-data-dir="$artefacts/profile")
"${browser[@]}" --dump-dom "file://$html" 2>/dev/null >"$artefacts/dom.html"
for text in '山田木工所　山田　太郎' '28,456,789' 'すべての検査に合格しました'; do
  grep -q "$text" "$artefacts/dom.html" || { echo "the rendered page lacks: $text"; exit 1; }
done
"${browser[@]}" --window-size=1100,2400 --screenshot="$png" "file://$html" 2>/dev/null >/dev/null
size=$(stat -c %s "$png" 2>/dev/null || echo 0)
[ "$size" -gt 20000 ] || { echo "no screenshot, or a blank one ($size bytes)"; exit 1; }

# 3 000 lettings: the demo data set with its letting rows repeated, exported by the program.
python3 - "$source/standin/demo/demo-dataset.json" "$artefacts/lettings.json" <<'PY'
import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
fudousan = data["companies"][0]["fudousan"]
rows = fudousan["kasituke"]
fudousan["kasituke"] = [dict(rows[i % len(rows)], location=f"東京都北区赤羽{i // 100 + 1}-{i % 100 + 1}-3 {i % 50 + 101}号室")
                        for i in range(3000)]
json.dump(data, open(sys.argv[2], "w", encoding="utf-8"), ensure_ascii=False)
PY
lxml="$artefacts/lettings.xml" lhtml="$artefacts/lettings.html" pdf="$artefacts/lettings.pdf"
printf '3\npath %s\nexecute\n' "$lxml" | VK_DATASET="$artefacts/lettings.json" "$bin/Orbek17Plus" >/dev/null
"$bin/orbek-inspect" --all --html "$lhtml" "$lxml" >/dev/null
"${browser[@]}" --no-pdf-header-footer --print-to-pdf="$pdf" "file://$lhtml" 2>/dev/null >/dev/null
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ "${pages:-0}" -ge 10 ] && [ "$pages" -le 100 ] || { echo "3 000 lettings print on ${pages:-no} pages (at most 100)"; exit 1; }
landscape=$(pdfinfo -f 1 -l "$pages" "$pdf" | grep -c ' 841.92 x 594.96 pts')
[ "$landscape" -ge $((pages / 2)) ] || { echo "the letting list is not on landscape pages ($landscape of $pages)"; exit 1; }
pdftoppm -r 60 -png -f 3 -l 3 "$pdf" "$artefacts/lettings-page"
pdftoppm -r 60 -png -f "$pages" -l "$pages" "$pdf" "$artefacts/lettings-last-page"
rm -rf "$artefacts/profile"
echo "pages ($pages printed, $landscape landscape), PDF and pictures: $artefacts"
