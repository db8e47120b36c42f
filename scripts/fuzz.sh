#!/usr/bin/env bash
# Builds the fuzz targets (preset linux-fuzz: ASan+UBSan, GCC coverage for
# AFL++) and fuzzes each for SECONDS (default 180) with AFL++, starting from
# its stored corpus and dictionary. Prints executions, coverage and findings
# per target; fails when any target found a crash or a hang.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     targets: the names in fuzz/corpus
# Findings and the grown queues stay in build/fuzz-out/TARGET/default/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-180}"
shift || true
./scripts/setup.sh
cmake --preset linux-fuzz >/dev/null
cmake --build --preset linux-fuzz >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

# A shared machine: no CPU binding, no UI, no core-pattern or governor demands.
export AFL_NO_UI=1 AFL_NO_AFFINITY=1 AFL_SKIP_CPUFREQ=1 AFL_I_DONT_CARE_ABOUT_MISSING_CRASHES=1
export AFL_SUPPRESS_HUGE_MAP=1 AFL_QUIET=1

stat_of() { sed -n "s/^$1 *: *//p" "$2" | head -n 1; }

printf '%-16s %10s %8s %7s %9s %7s %7s\n' target executions edges map corpus crashes hangs >build/fuzz-summary.txt
findings=0
for name in "${targets[@]}"; do
  out="build/fuzz-out/$name"
  rm -rf "$out"
  mkdir -p "$out"
  dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-x "fuzz/$name.dict")
  echo "fuzzing $name for ${seconds}s" >&2
  afl-fuzz -i "fuzz/corpus/$name" -o "$out" -V "$seconds" -t 2000 "${dict[@]}" \
    -- "build/linux-fuzz/fuzz/fuzz_$name" >"$out/afl.log" 2>&1 || {
      echo "afl-fuzz failed for $name; see $out/afl.log" >&2
      tail -n 20 "$out/afl.log" >&2
      findings=$((findings + 1))
      continue
    }
  stats="$out/default/fuzzer_stats"
  crashes=$(stat_of saved_crashes "$stats")
  hangs=$(stat_of saved_hangs "$stats")
  printf '%-16s %10s %8s %7s %9s %7s %7s\n' "$name" "$(stat_of execs_done "$stats")" \
    "$(stat_of edges_found "$stats")" "$(stat_of bitmap_cvg "$stats")" \
    "$(stat_of corpus_count "$stats")" "$crashes" "$hangs" >>build/fuzz-summary.txt
  if [ "$crashes" != 0 ] || [ "$hangs" != 0 ]; then
    findings=$((findings + 1))
    echo "FINDING in $name: $out/default/crashes and $out/default/hangs" >&2
  fi
done
cat build/fuzz-summary.txt
if [ "$findings" -ne 0 ]; then
  echo "fuzzing found problems in $findings target(s)" >&2
  exit 1
fi
