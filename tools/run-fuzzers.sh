#!/usr/bin/env bash
# Builds the fuzz targets with clang-14 and runs each one a fixed number of
# inputs from a fixed seed over a copy of its committed corpus, so that runs
# repeat and the repository is never written. One line per target, then
# "N passed, N failed"; the exit status is non-zero when any target failed.
#
#   FUZZ_BUILD  build folder (default build-fuzz)
#   FUZZ_SCALE  multiplies every run count (default 1) for a longer search
#   JOBS        build jobs (default 2)
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
scale=${FUZZ_SCALE:-1}
jobs=${JOBS:-2}

# Target and run count: under two minutes in all on two shared cores.
targets=(
  "ledger_file 30000"
  "category_file 40000"
  "personal_settings 40000"
  "macro_play 30000"
  "amounts 400000"
  "numbers 400000"
  "qif_reader 20000"
  "csv_reader 30000"
)

summary() { echo "$1 passed, $2 failed"; }

# Inputs, corpus copies and scratch files in memory where the system allows.
parent=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && parent=/dev/shm
work=$(mktemp -d "$parent/cw-fuzz-run.XXXXXX")
trap 'rm -rf "$work"' EXIT

if ! cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
       >"$work/build.log" 2>&1 \
   || ! cmake --build "$build" -j "$jobs" --target fuzzers >>"$work/build.log" 2>&1; then
  tail -n 30 "$work/build.log"
  echo "fuzz targets: build failed"
  summary 0 ${#targets[@]}
  exit 1
fi
artifacts=$build/artifacts
rm -rf "$artifacts"

export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export CW_FUZZ_SCRATCH=$work

passed=0
failed=0
for entry in "${targets[@]}"; do
  read -r name runs <<<"$entry"
  runs=$((runs * scale))
  corpus=$work/corpus-$name
  cp -r "$root/fuzz/corpus/$name" "$corpus"
  mkdir -p "$artifacts/$name"
  log=$artifacts/$name/log.txt
  start=$(date +%s.%N)
  "$build/fuzz_$name" -seed=1 -runs="$runs" -max_len=4096 -timeout=30 \
    -artifact_prefix="$artifacts/$name/" "$corpus" >"$log" 2>&1
  rc=$?
  seconds=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
  if [ $rc -eq 0 ]; then
    passed=$((passed + 1))
    echo "fuzz_$name: passed, $runs inputs in ${seconds}s"
    rm -rf "${artifacts:?}/$name"
  else
    failed=$((failed + 1))
    echo "fuzz_$name: FAILED (exit $rc) after ${seconds}s; log and input in $artifacts/$name/"
    grep -m 3 -E "check failed|runtime error|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)" "$log" | sed 's/^/    /'
    for input in "$artifacts/$name"/*; do
      [ "$input" = "$log" ] || echo "    reproduce: $build/fuzz_$name $input"
    done
  fi
done
rmdir "$artifacts" 2>/dev/null

summary "$passed" "$failed"
[ "$failed" -eq 0 ]
