#!/usr/bin/env bash
# organsaver's CPU share, and the X server's, for two builds of it side by side on one
# 1920 x 1080 Xvfb: full screen (/s) and -root, the two builds taking turns so that
# the load of a shared machine falls on both alike. Prints the medians over the rounds.
#
#   bench/saver/cpu_before_after.sh BEFORE AFTER [seconds per run, 20] [rounds, 3]
set -euo pipefail
before=$1
after=$2
seconds=${3:-20}
rounds=${4:-3}
work=$(mktemp -d)
xvfb_pid=""
saver_pid=""
cleanup() {
  [ -n "$saver_pid" ] && kill -TERM "$saver_pid" 2>/dev/null && wait "$saver_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 3>"$work/display" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XSCREENSAVER_WINDOW

# CPU time in nanoseconds of all threads of a process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%.0f", s}'; }
median() { sort -g | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

figures() { echo "$work/$1-${2//\//}"; }  # file NAME MODE: where the run's figures go
run() { # run NAME BINARY MODE ; appends "saver% xvfb%" to the file
  "$2" "$3" >/dev/null 2>&1 &
  saver_pid=$!
  sleep 2
  local c0 x0
  c0=$(cpu_ns "$saver_pid"); x0=$(cpu_ns "$xvfb_pid")
  sleep "$seconds"
  awk -v a="$(cpu_ns "$saver_pid")" -v b="$c0" -v xa="$(cpu_ns "$xvfb_pid")" -v xb="$x0" -v s="$seconds" \
    'BEGIN {printf "%.2f %.2f\n", (a - b) / 1e9 / s * 100, (xa - xb) / 1e9 / s * 100}' >>"$(figures "$1" "$3")"
  kill -TERM "$saver_pid"
  wait "$saver_pid" 2>/dev/null || true
  saver_pid=""
}

for round in $(seq "$rounds"); do
  for mode in /s -root; do
    run before "$before" "$mode"
    run after "$after" "$mode"
  done
  echo "round $round of $rounds done" >&2
done

column_median() { awk -v c="$1" '{print $c}' "$2" | median; }
echo "| run at 1920 x 1080, ${seconds} s, median of ${rounds} (% of one core) | before: organsaver | before: X server | before: sum | after: organsaver | after: X server | after: sum | after / before |"
echo "|---|---|---|---|---|---|---|---|"
for mode in /s -root; do
  bs=$(column_median 1 "$(figures before "$mode")"); bx=$(column_median 2 "$(figures before "$mode")")
  as=$(column_median 1 "$(figures after "$mode")"); ax=$(column_median 2 "$(figures after "$mode")")
  awk -v m="$mode" -v bs="$bs" -v bx="$bx" -v as="$as" -v ax="$ax" \
    'BEGIN {printf "| %s | %.1f %% | %.1f %% | %.1f %% | %.1f %% | %.1f %% | %.1f %% | %.2f |\n", m, bs, bx, bs + bx, as, ax, as + ax, (as + ax) / (bs + bx)}'
done
