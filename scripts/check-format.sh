#!/bin/sh
# Checks that the tracked C++ sources are formatted as .clang-format says,
# with the clang-format release it is pinned to; changes nothing.
# Usage: scripts/check-format.sh [SOURCE_DIR]; exit status 1 when a file
# would change, 2 when clang-format 14 is missing.
set -u
cd "${1:-$(dirname "$0")/..}" || exit 2
format=clang-format-14
command -v "$format" >/dev/null 2>&1 || { echo "$format is missing (apt-get install clang-format-14)" >&2; exit 2; }
git ls-files -z '*.cpp' '*.h' | xargs -0 "$format" --dry-run -Werror --style=file
