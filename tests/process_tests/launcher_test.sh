#!/usr/bin/env bash
# The desktop launcher prepares a fresh data directory with the delivered files and
# starts the program there, and never replaces files that are already there.
set -u
launcher="$1"
data="$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A stand-in program that reports where and how it was started.
cat >"$scratch/fake-organclock" <<'FAKE'
#!/bin/sh
pwd >"$ORGANCLOCK_TEST_REPORT"
echo "${QT_QPA_PLATFORM:-}" >>"$ORGANCLOCK_TEST_REPORT"
FAKE
chmod +x "$scratch/fake-organclock"
export ORGANCLOCK_PROGRAM="$scratch/fake-organclock" ORGANCLOCK_DELIVERED_DIR="$data"
export ORGANCLOCK_TEST_REPORT="$scratch/report" XDG_DATA_HOME="$scratch/xdg"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$launcher" || fail "launcher failed"
dir="$scratch/xdg/organclock"
[ "$(head -1 "$scratch/report")" = "$dir" ] || fail "not started in $dir"
for f in gong.wav hockey.wav org1.bak org12.bak; do cmp -s "$dir/$f" "$data/$f" || fail "$f not copied"; done

echo "meine Fassung" >"$dir/org3.bak"
echo "eigener Gong" >"$dir/gong.wav"
rm "$dir/hockey.wav"
"$launcher" || fail "second start failed"
[ "$(cat "$dir/org3.bak")" = "meine Fassung" ] || fail "org3.bak was replaced"
[ "$(cat "$dir/gong.wav")" = "eigener Gong" ] || fail "gong.wav was replaced"
cmp -s "$dir/hockey.wav" "$data/hockey.wav" || fail "missing hockey.wav not restored"

WAYLAND_DISPLAY=wayland-0 DISPLAY=:9 "$launcher" || fail "wayland start failed"
[ "$(sed -n 2p "$scratch/report")" = "xcb" ] || fail "Wayland session not sent through XWayland"
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-0 DISPLAY=:9 "$launcher"
[ "$(sed -n 2p "$scratch/report")" = "wayland" ] || fail "the user's own platform choice was overridden"
echo "1 passed, 0 failed"
