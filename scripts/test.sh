#!/usr/bin/env bash
# Sets up, builds and runs every test under one preset (default: linux).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-linux}"
./scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j"$(nproc)"  # tests make their own files: they run side by side
