#!/usr/bin/env bash
# Checks that every C and C++ source of the project is formatted as .clang-format says.
# Lists the files that are not and exits non-zero; with --fix, reformats them in place.
#
#   bash tools/check_format.sh          check
#   bash tools/check_format.sh --fix    reformat
set -euo pipefail
cd "$(dirname "$0")/.."

fix=""
case "${1:-}" in
  "") ;;
  --fix) fix=1 ;;
  *) echo "usage: $0 [--fix]" >&2; exit 2 ;;
esac

CLANG_FORMAT="${CLANG_FORMAT:-clang-format}"
if ! command -v "$CLANG_FORMAT" >/dev/null; then
  echo "check_format: $CLANG_FORMAT not found (bash tools/setup.sh installs it)" >&2
  exit 2
fi

# Only what git tracks: build trees, moc and resource output are never checked.
mapfile -t files < <(git ls-files -- '*.cpp' '*.h' '*.c')
if [ ${#files[@]} -eq 0 ]; then
  echo "check_format: no sources found" >&2
  exit 2
fi

if [ -n "$fix" ]; then
  printf '%s\0' "${files[@]}" | xargs -0 -n 50 "$CLANG_FORMAT" -i --style=file
  exit 0
fi

# One run over all files; each complaint begins with "<file>:<line>:<column>: error:".
report=$("$CLANG_FORMAT" --style=file --dry-run --Werror "${files[@]}" 2>&1 >/dev/null) && status=0 || status=$?
mapfile -t bad < <(printf '%s\n' "$report" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error:.*/\1/p' | sort -u)
if [ "$status" -ne 0 ] && [ ${#bad[@]} -eq 0 ]; then
  printf '%s\n' "$report" >&2
  exit 2
fi
if [ ${#bad[@]} -ne 0 ]; then
  echo "Not formatted as .clang-format says (bash tools/check_format.sh --fix):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "check_format: ${#files[@]} files formatted"
