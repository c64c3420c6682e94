#!/usr/bin/env bash
# The real organclock process: one instance per working directory, a stale socket of a
# killed instance does not block the next start, and SIGTERM ends it in order.
set -u
exe="$1"
data="$2"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
other=$(mktemp -d)
cleanup() { kill -9 "${first:-}" "${third:-}" "${elsewhere:-}" 2>/dev/null; rm -rf "$work" "$other"; }
trap cleanup EXIT
cp "$data"/* "$work"/
cp "$data"/* "$other"/
fail() { echo "FAIL: $*"; exit 1; }

alive() { kill -0 "$1" 2>/dev/null; }
wait_for_file() { for _ in $(seq 1 100); do [ -e "$1" ] && return 0; sleep 0.1; done; return 1; }

cd "$work"
"$exe" >/dev/null 2>&1 &
first=$!
wait_for_file "$work/konfig.set" || fail "first instance did not start"
sleep 1
alive "$first" || fail "first instance ended"

timeout 10 "$exe" >/dev/null 2>&1
rc=$?
[ "$rc" -eq 0 ] || fail "second instance ended with $rc instead of 0"
alive "$first" || fail "the second start ended the first"

(cd "$other" && exec "$exe" >/dev/null 2>&1) &
elsewhere=$!
sleep 1.5
alive "$elsewhere" || fail "an instance in another directory was refused"
kill -TERM "$elsewhere"; wait "$elsewhere" 2>/dev/null

kill -9 "$first"; wait "$first" 2>/dev/null
rm -f konfig.set
"$exe" >/dev/null 2>&1 &
third=$!
wait_for_file "$work/konfig.set" || fail "start after a killed instance was blocked"
sleep 1
alive "$third" || fail "third instance ended"
rm -f konfig.set
kill -TERM "$third"
for _ in $(seq 1 50); do alive "$third" || break; sleep 0.1; done
alive "$third" && fail "SIGTERM did not end the program"
wait "$third"; rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc after SIGTERM"
[ -s konfig.set ] || fail "SIGTERM did not write the settings"

# SIGTERM while a message box waits for the user still ends the program in order.
boxdir=$(mktemp -d)
cp "$data"/* "$boxdir"/
rm "$boxdir/hockey.wav"   # start-up then reports the missing reminder sound
(cd "$boxdir" && exec "$exe" >/dev/null 2>&1) &
boxed=$!
wait_for_file "$boxdir/konfig.set" || fail "instance with a message box did not start"
sleep 1.5
alive "$boxed" || fail "instance with a message box ended by itself"
rm -f "$boxdir/konfig.set"
kill -TERM "$boxed"
for _ in $(seq 1 50); do alive "$boxed" || break; sleep 0.1; done
alive "$boxed" && { kill -9 "$boxed"; rm -rf "$boxdir"; fail "SIGTERM did not end a program showing a message box"; }
wait "$boxed"; rc=$?
[ -s "$boxdir/konfig.set" ] || { rm -rf "$boxdir"; fail "settings not written after SIGTERM during a message box"; }
rm -rf "$boxdir"
[ "$rc" -eq 0 ] || fail "exit code $rc after SIGTERM during a message box"
echo "1 passed, 0 failed"
