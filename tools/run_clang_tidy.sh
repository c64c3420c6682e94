#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every C and C++ source of the
# project that the build compiles, two files at a time, and fails on any finding.
# Needs build/compile_commands.json: run the build of tools/test.sh (or cmake) first.
#
#   bash tools/run_clang_tidy.sh [build dir] [file...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="${1:-build}"
shift || true
CLANG_TIDY="${CLANG_TIDY:-clang-tidy}"
jobs="${CLANG_TIDY_JOBS:-2}"

if [ ! -f "$build/compile_commands.json" ]; then
  echo "run_clang_tidy: $build/compile_commands.json is missing; configure the build first" >&2
  exit 2
fi

if [ $# -gt 0 ]; then
  files=("$@")
else
  # What git tracks and the build compiles; generated sources (moc, rcc) live in the
  # build tree and are left out.
  mapfile -t files < <(git ls-files -- '*.cpp' '*.c' | while read -r f; do
    grep -qF "\"$root/$f\"" "$build/compile_commands.json" && echo "$f"
  done)
fi

# Findings in the project's own headers count too, those in Qt, SDL or the build tree not.
dirs=$(git ls-files -- '*.h' | cut -d/ -f1 | sort -u | paste -sd'|')
header_filter="^$root/($dirs)/"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
printf '%s\0' "${files[@]}" |
  xargs -0 -n 1 -P "$jobs" "$CLANG_TIDY" -p "$build" --quiet --header-filter="$header_filter" \
    --warnings-as-errors='*' >"$log" 2>/dev/null || status=$?
# A header included by several sources is reported once per source.
grep -E '^/.*: (warning|error): ' "$log" | sort -u || true
if [ "$status" -ne 0 ] || grep -qE ': (warning|error): ' "$log"; then
  echo "run_clang_tidy: findings above (full output of clang-tidy: rerun with a file name)" >&2
  exit 1
fi
echo "run_clang_tidy: ${#files[@]} files, no findings"
