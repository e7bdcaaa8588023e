#!/usr/bin/env bash
# Runs the keyboard test (tests/tst_keyboard.cpp) in a real window: on a virtual display with
# a window manager, which gives the window the keyboard focus as a desktop would, and with the
# X test extension, through which xdotool turns the wheel.
#
#   tools/keyboard_check.sh TST-KEYBOARD WORK-DIR
#
# Needs Xvfb (xvfb), xprop (x11-utils), openbox and xdotool; tools/setup.sh installs them.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 TST-KEYBOARD WORK-DIR" >&2
  exit 2
fi
test_exe=$1
work=$2
for tool in Xvfb xprop openbox xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "keyboard check: $tool is missing (Debian packages xvfb, x11-utils, openbox, xdotool; tools/setup.sh installs them)" >&2
    exit 1
  fi
done
mkdir -p "$work"
check="keyboard check"
# shellcheck source=tools/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
start_display "$work"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# A window manager announces itself on the root window once it manages windows.
wm_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
wait_for 20 "the window manager's start (see $work/openbox.log)" wm_running

status=0
timeout 240 "$test_exe" || status=$?
if [ "$status" -eq 124 ]; then
  echo "keyboard check: the test did not end within 240 seconds" >&2
fi
[ "$status" -eq 0 ]
