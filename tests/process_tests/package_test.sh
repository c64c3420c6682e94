#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that every file
# is in place, the desktop metadata validates and lintian finds neither an error nor a
# warning; every tag it still reports as information must be explained in the
# packaging.
set -u
build="$1"
packaging="$(dirname "$0")/../../packaging"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
command -v lintian >/dev/null || fail "lintian is not installed (bash tools/setup.sh installs it)"

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/organclock_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no .deb built"
ls "$scratch"/out/organclock-dbgsym_*.ddeb >/dev/null 2>&1 || fail "no package of debug symbols built"
dpkg-deb -x "$deb" "$scratch/root" || fail "dpkg-deb -x"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libc6 libqt6widgets6 libsdl2-mixer-2.0-0 libjpeg62-turbo libx11-6 fonts-liberation2 qt6-translations-l10n; do
  case "$depends" in *"$dep"*) ;; *) fail "Depends lacks $dep: $depends" ;; esac
done

r="$scratch/root/usr"
for f in bin/organclock bin/organclock-launcher bin/organsaver \
         libexec/xscreensaver/organsaver share/xscreensaver/config/organsaver.xml \
         share/applications/organclock.desktop share/organclock/organclock-autostart.desktop \
         share/metainfo/org.example.korvala.organclock.metainfo.xml \
         share/organclock/gong.wav share/organclock/hockey.wav \
         share/doc/organclock/copyright share/doc/organclock/changelog.gz \
         share/man/man1/organclock.1.gz share/man/man1/organclock-launcher.1.gz share/man/man1/organsaver.1.gz; do
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

# Information tags are shown too (-I), so that each one can be checked off below.
lintian -I --fail-on error,warning --no-cfg "$deb" >"$scratch/lintian.log" 2>&1
lintian_rc=$?
cat "$scratch/lintian.log"
[ "$lintian_rc" -eq 0 ] || fail "lintian reports errors or warnings"
for tag in $(sed -n 's/^I: [^:]*: \([a-z0-9-]*\).*/\1/p' "$scratch/lintian.log" | sort -u); do
  grep -q -- "$tag" "$packaging/CMakeLists.txt" || fail "lintian's $tag is not explained in packaging/CMakeLists.txt"
done
echo "1 passed, 0 failed"
