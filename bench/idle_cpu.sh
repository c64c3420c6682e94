#!/usr/bin/env bash
# Idle cost of a running organclock: CPU time and voluntary context switches per second
# over a quiet period (default 30 s) on a virtual X display. Prints the figures.
#
#   bench/idle_cpu.sh [seconds]   (after building in build/)
# With CALENDAR_URL set, organclock is connected to that calendar (kalender.ini) and the
# quiet period starts once its first sync has written the sync state.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
# No sound device on a virtual display: the dummy driver keeps start-up free of boxes.
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$top"/data/* "$work"/
if [ -n "${CALENDAR_URL:-}" ]; then
  printf '[Kalender]\nAdresse=%s\nBenutzer=\n' "$CALENDAR_URL" >"$work/kalender.ini"
fi
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  cd "$1"
  "$2/build/organclock" &
  pid=$!
  if [ -f kalender.ini ]; then
    for _ in $(seq 600); do [ -s kalender.sync ] && break; sleep 0.2; done
    [ -s kalender.sync ] || echo "the calendar sync did not finish"
  fi
  sleep 5
  ticks() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
  # Per thread, so that a thread ending meanwhile does not take its earlier count out of
  # the difference: "tid switches" lines, summed over the threads alive at both.
  switches() { for t in /proc/$pid/task/*; do echo "${t##*/} $(awk "/^voluntary_ctxt_switches/ {print \$2}" $t/status 2>/dev/null)"; done; }
  t0=$(ticks); switches >s0
  sleep "$3"
  t1=$(ticks); switches >s1
  s=$(awk "NR == FNR {v[\$1] = \$2; next} (\$1 in v) {s += \$2 - v[\$1]} END {print s + 0}" s0 s1)
  hz=$(getconf CLK_TCK)
  awk -v t="$((t1 - t0))" -v hz="$hz" -v n="$3" -v s="$s" "BEGIN {
    printf \"idle CPU time over %d s: %.2f s (%.2f%% of one core)\n\", n, t / hz, 100 * t / hz / n
    printf \"voluntary context switches: %.1f per second\n\", s / n }"
  kill -TERM $pid
  wait $pid
' _ "$work" "$top" "$seconds"
