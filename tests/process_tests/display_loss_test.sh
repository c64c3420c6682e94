#!/usr/bin/env bash
# The real organclock on its own X server: when the server goes away the program ends
# without an abort and has written the settings and the appointments.
set -u
exe="$1"
data="$2"
export SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
. "$(dirname "$0")/private_display.sh"
work=$(mktemp -d)
cleanup() { kill -9 "${clock:-}" 2>/dev/null; stop_private_display; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$work/stderr" ] && sed 's/^/  | /' "$work/stderr"; exit 1; }
alive() { kill -0 "$1" 2>/dev/null; }
wait_for_file() { for _ in $(seq 1 100); do [ -s "$1" ] && return 0; sleep 0.1; done; return 1; }

cp "$data"/* "$work"/
start_private_display 1024x768

cd "$work"
ulimit -c 0
"$exe" >/dev/null 2>"$work/stderr" &
clock=$!
wait_for_file "$work/konfig.set" || fail "organclock did not start"
sleep 1.5
alive "$clock" || fail "organclock ended by itself"
rm -f konfig.set Term.dat

stop_private_display
for _ in $(seq 1 100); do alive "$clock" || break; sleep 0.1; done
alive "$clock" && fail "organclock went on without its display"
wait "$clock"; rc=$?
clock=""
[ "$rc" -lt 128 ] || fail "organclock died of signal $((rc - 128))"
grep -q "terminate called" "$work/stderr" && fail "a thread was left running"
[ -s konfig.set ] || fail "the settings were not written"
[ -e Term.dat ] || fail "the appointments were not written"
echo "1 passed, 0 failed"
