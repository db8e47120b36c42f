#!/bin/sh
# Lines of test code against lines of program code (wc -l): the .cpp, .h and .c
# files below tests/, by folder, against every other .cpp and .h outside tests/,
# bench/ and fuzz/; fuzz/ on its own line, counted in neither. Golden data and
# other data files are not code and are not counted.
#   scripts/test-lines.sh [SOURCE_DIR]
cd "${1:-$(dirname "$0")/..}" || exit 2
lines() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -exec cat {} + 2>/dev/null | wc -l; }
tests=0
for dir in tests/*/; do
  n=$(lines "$dir")
  [ "$n" -gt 0 ] && printf '%-22s %5d\n' "${dir%/}" "$n"
  tests=$((tests + n))
done
code=$(find . \( -path ./tests -o -path ./bench -o -path ./fuzz -o -path ./build -o -path ./.git \) -prune \
  -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | xargs cat | wc -l)
[ -d fuzz ] && printf '%-22s %5d  (not counted)\n' fuzz "$(lines fuzz)"
printf '%-22s %5d\n%-22s %5d\n' "tests/ in all" "$tests" "program code" "$code"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "ratio                  %.3f\n", t / c }'
