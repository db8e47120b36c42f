#!/usr/bin/env bash
# The demo export, inspected: its summary equals the golden text, and its HTML
# page, opened in headless Chromium, shows the company and a known amount.
# The page and its screenshot stay in ARTEFACTS for a look by eye.
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
rm -rf "$artefacts/profile"
echo "page and screenshot: $artefacts"
