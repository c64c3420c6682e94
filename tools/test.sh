#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test headless: once as
# built for use, once more under AddressSanitizer and UndefinedBehaviorSanitizer, and
# the clock renderer and shutdown tests under ThreadSanitizer.
#
#   ORGANCLOCK_QUICK=1 bash tools/test.sh   skips the sanitizer runs
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
echo "== Formatting"
bash tools/check_format.sh
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
jobs=$(nproc)

# The tests that talk to a real X server (organsaver drawing into a foreign window)
# get a private Xvfb in DISPLAY; every other test keeps Qt's offscreen platform, and
# no test ever draws on the desktop of whoever runs this.
work=$(mktemp -d)
. tests/process_tests/private_display.sh
trap 'status=$?; stop_private_display; rm -rf "$work"; exit "$status"' EXIT
start_private_display 1024x768
# With DISPLAY set and no session bus, libdbus would "autolaunch" one by forking the
# test process; a fork of a threaded process under AddressSanitizer can hang in the
# child. The tests that need a bus start their own; the others see none.
export DBUS_SESSION_BUS_ADDRESS="${DBUS_SESSION_BUS_ADDRESS:-unix:path=$work/no-session-bus}"

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300
# CTest names the tests it skipped but not why; the reasons stand in its log.
awk '/: Skipped$/ { where = $0; sub(/: Skipped$/, "", where); getline; print "Skipped (" where "): " $0 } /^SKIP: / { print }' \
  build/Testing/Temporary/LastTest.log

if [ -n "${ORGANCLOCK_QUICK:-}" ]; then exit 0; fi

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORGANCLOCK_SANITIZE=address >/dev/null
cmake --build build-asan -j "$jobs"
# Qt and fontconfig keep caches until the process ends; leak reports of them are noise.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 600 -E 'process\.debian_package'

echo "== ThreadSanitizer: clock renderer and shutdown"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORGANCLOCK_SANITIZE=thread >/dev/null
cmake --build build-tsan -j "$jobs" --target view_tests shell_tests
# A hang must end the run with a message rather than run into CI's limit.
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(pwd)/tests/tsan.supp" \
  timeout --kill-after=10 300 build-tsan/tests/view_tests --gtest_filter='ClockRendererTest.*'
TSAN_OPTIONS="halt_on_error=1 suppressions=$(pwd)/tests/tsan.supp" \
  timeout --kill-after=10 300 build-tsan/tests/shell_tests --gtest_filter='StartupTest.Exit*:StartupTest.Termination*'
