#!/usr/bin/env bash
# The desktop launcher prepares a fresh data directory with the delivered files and
# starts the program there; at every start it brings the delivered .bak files up to
# date and leaves the user's own files alone; it sends a Wayland session through
# XWayland, and a user's wish for Wayland falls back to X11 without the plug-in.
#   launcher_test.sh LAUNCHER DATA_DIR [ORGANCLOCK]   (the real program for the last part)
set -u
launcher="$1"
data="$2"
exe="${3:-}"
work=$(mktemp -d)
. "$(dirname "$0")/private_display.sh"
cleanup() { kill -9 "${clock:-}" 2>/dev/null; stop_private_display; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A stand-in program that reports where and how it was started.
cat >"$work/fake-organclock" <<'FAKE'
#!/bin/sh
pwd >"$ORGANCLOCK_TEST_REPORT"
echo "${QT_QPA_PLATFORM:-}" >>"$ORGANCLOCK_TEST_REPORT"
FAKE
chmod +x "$work/fake-organclock"
delivered="$work/delivered"
mkdir "$delivered" && cp "$data"/* "$delivered"/
export ORGANCLOCK_PROGRAM="$work/fake-organclock" ORGANCLOCK_DELIVERED_DIR="$delivered"
export ORGANCLOCK_TEST_REPORT="$work/report" XDG_DATA_HOME="$work/xdg"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY

"$launcher" || fail "launcher failed"
dir="$work/xdg/organclock"
[ "$(head -1 "$work/report")" = "$dir" ] || fail "not started in $dir"
for f in gong.wav hockey.wav org1.bak org12.bak; do cmp -s "$dir/$f" "$data/$f" || fail "$f not copied"; done

# The user's files, and an upgrade that changes one delivered text.
printf 'meine Fassung\r\n' >"$dir/org3.bak"
printf 'mein Text\r\n' >"$dir/org5.dat"
printf 'alter Text\r\n' >"$dir/org7.bak"
printf 'eigener Gong' >"$dir/gong.wav"
rm "$dir/hockey.wav" "$dir/org9.bak"
printf 'neuer Text\r\n' >"$delivered/org7.bak"
cp "$dir/org5.dat" "$work/org5.dat.before"
chmod 444 "$dir/org3.bak" # a read-only copy is replaced all the same
"$launcher" || fail "second start failed"
for f in org3.bak org7.bak org9.bak; do cmp -s "$dir/$f" "$delivered/$f" || fail "$f not refreshed"; done
cmp -s "$dir/org5.dat" "$work/org5.dat.before" || fail "the user's org5.dat was touched"
[ "$(cat "$dir/gong.wav")" = "eigener Gong" ] || fail "gong.wav was replaced"
cmp -s "$dir/hockey.wav" "$data/hockey.wav" || fail "missing hockey.wav not restored"
[ -z "$(find "$dir" -name '*.new')" ] || fail "a half-copied file was left behind"

# QT_QPA_PLATFORM as the program sees it, by session and the user's own choice.
platform_for() { # WAYLAND_DISPLAY DISPLAY QT_QPA_PLATFORM
  env ${1:+WAYLAND_DISPLAY=$1} ${2:+DISPLAY=$2} ${3:+QT_QPA_PLATFORM=$3} "$launcher" || fail "start failed"
  sed -n 2p "$work/report"
}
while IFS='|' read -r wayland x11 chosen expected; do
  got=$(platform_for "$wayland" "$x11" "$chosen")
  [ "$got" = "$expected" ] || fail "WAYLAND_DISPLAY=$wayland DISPLAY=$x11 QT_QPA_PLATFORM=$chosen: got '$got', expected '$expected'"
done <<'TABLE'
wayland-0|:9||xcb
|:9||
wayland-0|||
wayland-0|:9|wayland|wayland;xcb
wayland-0|:9|wayland-egl|wayland-egl;xcb
wayland-0||wayland|wayland
wayland-0|:9|xcb|xcb
wayland-0|:9|offscreen|offscreen
wayland-0|:9|wayland;eglfs|wayland;eglfs
TABLE

# The real program, asked for Wayland where no Wayland compositor answers (as when
# the plug-in is missing): it comes up on X11 instead of aborting.
if [ -n "$exe" ]; then
  require_tools Xvfb
  start_private_display 800x600
  export SDL_AUDIODRIVER=dummy
  ulimit -c 0
  ORGANCLOCK_PROGRAM="$exe" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=organclock-test-no-compositor \
    "$launcher" >/dev/null 2>"$work/stderr" &
  clock=$!
  for _ in $(seq 1 100); do [ -s "$dir/konfig.set" ] && break; kill -0 "$clock" 2>/dev/null || break; sleep 0.1; done
  sleep 1
  if ! kill -0 "$clock" 2>/dev/null; then
    wait "$clock"; rc=$?; clock=""
    sed 's/^/  | /' "$work/stderr"
    fail "organclock asked for Wayland ended with $rc instead of running on X11"
  fi
  [ -s "$dir/konfig.set" ] || fail "organclock asked for Wayland did not start"
  kill -TERM "$clock"; wait "$clock"; rc=$?; clock=""
  [ "$rc" -eq 0 ] || fail "organclock ended with $rc"
fi
echo "1 passed, 0 failed"
