#!/usr/bin/env bash
# The installed programs carry none of the test library's code: no procedure declared
# in its headers is defined in them.
#   no_test_code_test.sh TESTING_HEADER_DIR PROGRAM...
set -u
headers="$1"
shift
fail() { echo "FAIL: $*"; exit 1; }

# The procedures the headers declare: a capitalised name before "(" outside comments.
names=$(sed 's#//.*##' "$headers"/*.h | grep -oE '\b[A-Z][A-Za-z0-9_]*\(' | tr -d '(' | sort -u)
[ "$(echo "$names" | wc -w)" -ge 10 ] || fail "found too few procedures in $headers: $names"
pattern="platform::($(echo $names | tr ' ' '|'))\("

for program in "$@"; do
  symbols=$(nm -C --defined-only "$program") || fail "nm could not read $program"
  # A stripped program would pass whatever it holds.
  grep -qE ' T main$' <<<"$symbols" || fail "$program has no symbol table"
  found=$(grep -E "$pattern" <<<"$symbols" | sed 's/^[0-9a-f]* . //' | sort -u)
  [ -z "$found" ] || fail "$(basename "$program") holds test code:"$'\n'"$found"
done
echo "no test code in: $*"
