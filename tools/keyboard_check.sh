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
rm -f "$work/display"

pids=()
# The window manager first, then its display.
stop_all() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
  done
}
trap stop_all EXIT

# wait_for SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second until it succeeds.
wait_for() {
  local seconds=$1 what=$2
  shift 2
  for ((i = 0; i < seconds * 10; i++)); do
    if "$@"; then
      return 0
    fi
    sleep 0.1
  done
  echo "keyboard check: $what did not happen within $seconds seconds" >&2
  return 1
}

Xvfb -displayfd 1 -screen 0 1024x768x24 -dpi 96 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 20 "the virtual display's start (see $work/xvfb.log)" test -s "$work/display"
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
# A window manager announces itself on the root window once it manages windows.
wm_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
wait_for 20 "the window manager's start (see $work/openbox.log)" wm_running

# Without GL the xcb platform loads no Mesa, whose LLVM a leak checker would blame.
status=0
QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none timeout 240 "$test_exe" || status=$?
if [ "$status" -eq 124 ]; then
  echo "keyboard check: the test did not end within 240 seconds" >&2
fi
[ "$status" -eq 0 ]
