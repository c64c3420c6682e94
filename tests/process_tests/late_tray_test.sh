#!/usr/bin/env bash
# A tray that starts after organclock: a StatusNotifierWatcher on the session bus, then
# an XEmbed tray manager, each with the X11 platform on a private X server and session
# bus that have no tray of their own.
#   late_tray_test.sh <tray_tests binary> <fake_tray_watcher binary> <fake_xembed_tray binary>
set -u
. "$(dirname "$0")/private_display.sh"
require_tools Xvfb dbus-run-session
private_work_and_display 1024x768
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
status=0
for fake in "$2" "$3"; do
  echo "== with $(basename "$fake")"
  FAKE_TRAY=$fake dbus-run-session -- "$1" 2>&1 | grep -v 'Failed to set fd limit'
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
done
exit $status
