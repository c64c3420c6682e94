#!/usr/bin/env bash
# Runs a test program on a private X server with the toolkit's X11 backend.
#   on_private_display.sh <program> [arguments...]
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/private_display.sh"
require_tools Xvfb
work=$(mktemp -d)
trap 'status=$?; stop_private_display; rm -rf "$work"; exit "$status"' EXIT
start_private_display 1024x768
QT_QPA_PLATFORM=xcb "$@"
