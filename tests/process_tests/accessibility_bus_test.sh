#!/usr/bin/env bash
# The real organclock on a private X server, read through the real accessibility bus
# (AT-SPI, as a screen reader reads it), with its appointment window opened by a day
# reminder.
#   accessibility_bus_test.sh <organclock> <data dir>
set -u
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
data=$2
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
# Debian's own Python, which has the python3-pyatspi module (another may come first).
py=/usr/bin/python3
[ -x "$py" ] || py=python3
. "$here/private_display.sh"
require_tools Xvfb dbus-run-session busctl
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
"$py" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
cleanup() {
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/run"
cp "$data"/* "$work/run"/
# A day reminder for today opens the appointment window at the first pass.
"$py" - "$work/run/Term.dat" <<'PY'
import sys, time
day = time.strftime("%d.%m.%Y").encode()
open(sys.argv[1], "wb").write(day + b"\r\n" + bytes([8, 0, 2]) + b"Arzt\r\n")
PY

start_private_display 1280x1024
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

EXE="$exe" RUN="$work/run" PY="$py" READER="$here/read_accessible_names.py" LAUNCHER="$launcher" \
dbus-run-session -- bash -c '
  "$LAUNCHER" --launch-immediately >/dev/null 2>&1 &
  launcher_pid=$!
  for _ in $(seq 100); do
    busctl --user status org.a11y.Bus >/dev/null 2>&1 && break
    sleep 0.1
  done
  (cd "$RUN" && exec "$EXE") >"$RUN/../program.log" 2>&1 &
  program=$!
  "$PY" "$READER" "$program"
  rc=$?
  [ $rc -eq 0 ] || cat "$RUN/../program.log"
  kill -TERM $program 2>/dev/null; wait $program 2>/dev/null
  kill $launcher_pid 2>/dev/null
  exit $rc' 2>&1 | grep -v -e 'Failed to set fd limit' -e 'dbind-WARNING'
exit "${PIPESTATUS[0]}"
