#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that every file
# is in place and the desktop metadata validates.
set -u
build="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no .deb built"
dpkg-deb -x "$deb" "$scratch/root" || fail "dpkg-deb -x"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libsdl2-mixer-2.0-0 libjpeg62-turbo fonts-liberation2; do
  case "$depends" in *"$dep"*) ;; *) fail "Depends lacks $dep: $depends" ;; esac
done

r="$scratch/root/usr"
for f in bin/organclock bin/organclock-launcher bin/organsaver \
         libexec/xscreensaver/organsaver share/xscreensaver/config/organsaver.xml \
         share/applications/organclock.desktop share/organclock/organclock-autostart.desktop \
         share/metainfo/org.example.korvala.organclock.metainfo.xml \
         share/organclock/gong.wav share/organclock/hockey.wav; do
  [ -e "$r/$f" ] || fail "missing /usr/$f"
done
for n in $(seq 1 12); do [ -e "$r/share/organclock/org$n.bak" ] || fail "missing org$n.bak"; done
for s in 16 24 32 48 64 128 256; do
  [ -e "$r/share/icons/hicolor/${s}x${s}/apps/organclock.png" ] || fail "missing ${s}px icon"
done
[ -x "$r/bin/organclock" ] && [ -x "$r/bin/organclock-launcher" ] || fail "programs not executable"
cmp -s "$r/share/organclock/org1.bak" "$(dirname "$0")/../../data/org1.bak" || fail "org1.bak differs"

desktop-file-validate "$r/share/applications/organclock.desktop" || fail "desktop file"
desktop-file-validate "$r/share/organclock/organclock-autostart.desktop" || fail "autostart file"
appstreamcli validate --no-net --pedantic "$r/share/metainfo/org.example.korvala.organclock.metainfo.xml" \
  >"$scratch/as.log" 2>&1 || { cat "$scratch/as.log"; fail "metainfo"; }
echo "1 passed, 0 failed"
