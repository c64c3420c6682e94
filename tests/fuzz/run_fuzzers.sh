#!/usr/bin/env bash
# Runs every fuzz target for a while (default 600 s each) and keeps the inputs that
# reach new paths, and any crash, in tests/corpus/<name>/.
#
#   tests/fuzz/run_fuzzers.sh [seconds per target] [target ...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:-600}
shift || true
build="$here/../../build-fuzz"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DORGANCLOCK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(cd "$build" && ls fuzz_* | sed 's/^fuzz_//'))
fi
for t in "${targets[@]}"; do
  corpus="$here/../corpus/$t"
  mkdir -p "$corpus"
  echo "== $t ($seconds s)"
  (cd "$corpus" && "$build/fuzz_$t" -max_total_time="$seconds" -max_len=4096 -artifact_prefix="$corpus/crash-" \
     -print_final_stats=1 "$corpus" 2>&1 | grep -E "stat::number_of_executed_units|stat::new_units_added|ERROR|SUMMARY" || true)
  # Keep only the inputs that matter for coverage, so the corpus stays small.
  merged=$(mktemp -d)
  "$build/fuzz_$t" -merge=1 "$merged" "$corpus" >/dev/null 2>&1 || true
  find "$corpus" -maxdepth 1 -type f ! -name 'crash-*' -delete
  cp "$merged"/* "$corpus"/ 2>/dev/null || true
  rm -rf "$merged"
  echo "corpus: $(ls "$corpus" | wc -l) inputs"
done
