#!/usr/bin/env bash
# The real organsaver on its own X server with key repeat on: a key held for two
# seconds does not end the full-screen run, its release does.
set -u
exe="$1"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XSCREENSAVER_WINDOW
. "$(dirname "$0")/private_display.sh"
work=$(mktemp -d)
cleanup() { kill -9 "${saver:-}" 2>/dev/null; stop_private_display; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
alive() { kill -0 "$1" 2>/dev/null; }

start_private_display 800x600
xset r on
xset q | grep -q 'auto repeat:  on' || fail "key repeat is not on"

"$exe" /s >/dev/null 2>&1 &
saver=$!
sleep 2
alive "$saver" || fail "the saver ended by itself"
xdotool keydown a
sleep 2
held_alive=0; alive "$saver" && held_alive=1
xdotool keyup a
[ "$held_alive" -eq 1 ] || fail "holding a key ended the run"
for _ in $(seq 1 30); do alive "$saver" || break; sleep 0.1; done
alive "$saver" && fail "releasing the key did not end the run"
echo "1 passed, 0 failed"
