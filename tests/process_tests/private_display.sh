# Sourced by the process tests that need an X server of their own.
#   require_tools TOOL...      skips the test (exit 77) when a tool is missing
#   start_private_display WxH  starts Xvfb on a free display number, with its log in
#                              $work/xvfb.log, and exports DISPLAY; $xvfb_pid is the server
#   stop_private_display       ends the server (also done by the EXIT trap's cleanup)
#   private_work_and_display WxH
#                              creates $work, starts the server, and on exit ends it and
#                              removes $work
# The caller of start_private_display creates $work first.

require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
}

xvfb_pid=""
start_private_display() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  local _
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY
}

# The server's own exit status (killed) is no result of the caller's.
stop_private_display() {
  if [ -n "$xvfb_pid" ]; then
    kill -9 "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  xvfb_pid=""
}

private_work_and_display() {
  work=$(mktemp -d)
  trap 'status=$?; stop_private_display; rm -rf "$work"; exit "$status"' EXIT
  start_private_display "$1"
}
