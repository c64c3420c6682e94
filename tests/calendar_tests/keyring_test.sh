#!/usr/bin/env bash
# The calendar password in gnome-keyring, running in a private session bus with its
# keyrings in a temporary home, unlocked with a password given here; and the same
# program on a bus where no keyring answers (the bus starts no services by itself).
#   keyring_test.sh <calendar_keyring_tests binary>
set -u
tests=$1
for tool in dbus-run-session gnome-keyring-daemon radicale; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
cat > "$work/bus.conf" <<'CONF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
export HOME="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Both starts must find the same calendar address, the key of the password.
CALENDAR_TEST_PORT=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
export CALENDAR_TEST_PORT TESTS="$tests"
status=0
dbus-run-session --config-file="$work/bus.conf" -- bash -c '
  printf "%s" schluessel | gnome-keyring-daemon --unlock --components=secrets --daemonize >/dev/null || exit 1
  "$TESTS" --gtest_filter="*.KeepsThePassword*" && "$TESTS" --gtest_filter="*.FindsThePassword*"' 2>&1 \
  | grep -v 'Failed to set fd limit'
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1
dbus-run-session --config-file="$work/bus.conf" -- "$tests" --gtest_filter="*.WithoutAKeyring*" 2>&1 \
  | grep -v 'Failed to set fd limit'
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1
exit $status
