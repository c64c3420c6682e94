#!/bin/sh
# Turns the editable UTF-8 organ texts into the delivered backups data/org1.bak ..
# data/org12.bak: Windows-1252, CR LF line ends, exactly one CR LF at the end.
# Usage: make_texts.sh <source dir>
set -eu
root=${1:?usage: make_texts.sh <source dir>}
texts="$root/tools/assets/organ_texts"
for n in 1 2 3 4 5 6 7 8 9 10 11 12; do
  src="$texts/org$n.txt"
  out="$root/data/org$n.bak"
  # Drop stray CRs and trailing blank lines first, so the file ends with one line end.
  tr -d '\r' < "$src" \
    | awk '{ lines[NR] = $0 } END { last = NR; while (last > 0 && lines[last] ~ /^[ \t]*$/) last--; for (i = 1; i <= last; i++) print lines[i] }' \
    | iconv -f UTF-8 -t CP1252 \
    | sed 's/$/\r/' > "$out.tmp"
  mv "$out.tmp" "$out"
done
