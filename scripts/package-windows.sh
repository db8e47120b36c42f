#!/usr/bin/env bash
# What a Windows user receives: builds the Windows programs in release mode
# (installs what it needs with apt-get) and packs them, with the definition
# file, the sample data set, the guides and the license, into
# build/release/Orbek17-<version>-windows-x64.zip. Prints its path last.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup-windows.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Orbek17Plus Orbek17Base orbek-inspect vkdataset
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
[ -n "$version" ] || { echo "package-windows: no project version in build/windows" >&2; exit 1; }
name="Orbek17-$version"
stage="$PWD/build/release/stage"
folder="$stage/$name"
archive="$PWD/build/release/$name-windows-x64.zip"
rm -rf "$stage" "$archive"
mkdir -p "$folder/sample"

# The programs without their symbol tables (a user has no use for them).
for exe in bin/Orbek17Plus.exe bin/Orbek17Base.exe bin/orbek-inspect.exe standin/vkdataset.exe; do
  x86_64-w64-mingw32-strip -o "$folder/$(basename "$exe")" "build/windows/$exe"
done
cp build/windows/bin/QuillonDef.ini "$folder/"
cp standin/demo/demo-dataset.json "$folder/sample/"

# Texts for Notepad: CRLF line ends; the guides, which hold Japanese, in
# UTF-8 with a byte-order mark, which every Notepad since Windows XP reads
# as UTF-8 (without the mark an older one takes the ANSI code page).
notepad_text() {  # $1 source, $2 target, $3 "bom" for a byte-order mark
  { [ "${3:-}" = bom ] && printf '\xef\xbb\xbf'; sed "s/@VERSION@/$version/; s/\r*\$/\r/" "$1"; } >"$2"
}
notepad_text docs/windows/Guide-ja.txt "$folder/Guide-ja.txt" bom
notepad_text docs/windows/Guide-en.txt "$folder/Guide-en.txt" bom
notepad_text LICENSE "$folder/LICENSE.txt"
notepad_text docs/windows/THIRD-PARTY-NOTICES.txt "$folder/THIRD-PARTY-NOTICES.txt"

# One date on every entry (the last commit's, when there is one), so that
# the same sources give the same archive.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)
find "$folder" -exec touch -d "@$stamp" {} +
(cd "$stage" && find "$name" -print | LC_ALL=C sort | zip -qX -@ "$archive")
rm -rf "$stage"
echo "$archive"
