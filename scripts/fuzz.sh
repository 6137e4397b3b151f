#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang and runs each for the given
# number of seconds (default 30), several at once. Prints the executions and the
# findings of each harness; exits non-zero when any harness found a fault (a crash,
# a sanitizer report, a leak, or an input slower than 2 seconds). Findings are
# kept under build-fuzz/findings/<harness>/; copy one into fuzz/regressions/<harness>/
# once it is mended, so that the normal test suite replays it.
#   bash scripts/fuzz.sh [seconds] [harness ...]
# FUZZ_JOBS=N runs N harnesses at once (default: half the processors).
# FUZZ_RUNS=N also stops each harness after N executions, whichever comes first.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARSEL_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null

if [ $# -gt 0 ]; then
  harnesses=("$@")
else
  harnesses=()
  for f in fuzz/*_fuzz.cpp; do n=$(basename "$f" _fuzz.cpp); harnesses+=("$n"); done
fi

run_one() {
  local name=$1 seconds=$2
  local corpus=build-fuzz/corpus/$name findings=build-fuzz/findings/$name log=build-fuzz/logs/$name.log
  mkdir -p "$corpus" "$findings" build-fuzz/logs
  if [ -f "fuzz/seeds/$name.txt" ]; then
    grep -v '^#' "fuzz/seeds/$name.txt" | while read -r folder ending; do
      [ -n "$folder" ] && [ -d "$folder" ] || continue
      if [ "$ending" = "*" ]; then find "$folder" -type f; else find "$folder" -type f -name "*$ending"; fi
    done | while read -r seed; do cp "$seed" "$corpus/seed-$(sha1sum "$seed" | cut -c1-16)"; done
  fi
  local extra=()
  [ -d "fuzz/regressions/$name" ] && extra+=("fuzz/regressions/$name")
  [ -f "fuzz/dict/$name.dict" ] && extra=(-dict="fuzz/dict/$name.dict" "${extra[@]}")
  [ -n "${FUZZ_RUNS:-}" ] && extra=(-runs="$FUZZ_RUNS" "${extra[@]}")
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/fuzz/fuzz_$name" "$corpus" "${extra[@]}" -max_total_time="$seconds" -timeout=2 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1 || true
  local execs found
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  found=$(find "$findings" -type f | wc -l)
  printf '%-16s executions %12s   findings %s\n' "$name" "${execs:-0}" "$found"
}
export -f run_one

parallel=${FUZZ_JOBS:-$(( $(nproc) > 1 ? $(nproc) / 2 : 1 ))}
printf '%s\n' "${harnesses[@]}" | xargs -P "$parallel" -I{} bash -c 'run_one {} '"$seconds" | tee build-fuzz/summary.txt
if grep -q 'findings [1-9]' build-fuzz/summary.txt; then
  echo "Fuzzing found faults: see build-fuzz/findings/ and build-fuzz/logs/" >&2
  exit 1
fi
