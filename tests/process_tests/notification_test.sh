#!/usr/bin/env bash
# Reminders reaching a real notification daemon (dunst, in a private session bus on a
# private X server), and reminders with no daemon and with no session bus at all.
#   notification_test.sh <notification_tests binary>
set -u
tests=$1
. "$(dirname "$0")/private_display.sh"
require_tools Xvfb dbus-run-session dunst dunstctl busctl
private_work_and_display 1024x768

# Nothing expires by itself during the test; the urgency is written in front of each
# message, since the history does not keep it.
cat > "$work/dunstrc" <<'CONF'
[global]
    history_length = 50
    # Two equal notifications stay two, so that only replaces_id can make them one.
    stack_duplicates = false
[urgency_low]
    timeout = 0
[urgency_normal]
    timeout = 0
[urgency_critical]
    timeout = 0
[mark_normal]
    msg_urgency = normal
    format = "normal|%s|%b"
[mark_critical]
    msg_urgency = critical
    format = "critical|%s|%b"
CONF

status=0
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
DUNSTRC="$work/dunstrc" TESTS="$tests" dbus-run-session -- bash -c '
  dunst -config "$DUNSTRC" >/dev/null 2>&1 &
  dunst_pid=$!
  for _ in $(seq 100); do
    busctl --user status org.freedesktop.Notifications >/dev/null 2>&1 && break
    sleep 0.1
  done
  "$TESTS" --gtest_filter="*.Daemon*"
  rc=$?
  kill $dunst_pid
  exit $rc' 2>&1 | grep -v 'Failed to set fd limit' || status=1
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

# A service that is registered but never answers (the test registers it itself).
TESTS="$tests" dbus-run-session -- bash -c '"$TESTS" --gtest_filter="*.Hanging*"' 2>&1 \
  | grep -v 'Failed to set fd limit'
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

TESTS="$tests" dbus-run-session -- bash -c '"$TESTS" --gtest_filter="*.NoService*"' 2>&1 \
  | grep -v 'Failed to set fd limit'
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

env -u DBUS_SESSION_BUS_ADDRESS -u XDG_RUNTIME_DIR "$tests" --gtest_filter="*.NoService*" || status=1
exit $status
