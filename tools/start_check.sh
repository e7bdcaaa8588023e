#!/usr/bin/env bash
# Starts the real program on a virtual display and compares its window, pixel for pixel, with
# the snapshot tool's picture of the same first page, built in-process with the program's look
# and the same fonts. A start that leaves out the look (fonts, style) shows another window.
# Given a folder of qt5ct settings (dark colours, other fonts), the program starts under them,
# as on a desktop set up so, and the snapshot tool without: a start that lets them in differs.
#
#   tools/start_check.sh FRENCH-TEST FRENCH-SNAPSHOT WORK-DIR [QT5CT-SETTINGS-DIR]
#
# Needs Xvfb (Debian package xvfb) and xdotool, and for the settings qt5ct; tools/setup.sh
# installs them. Both pictures are left in WORK-DIR.
set -euo pipefail
if [ $# -ne 3 ] && [ $# -ne 4 ]; then
  echo "usage: $0 FRENCH-TEST FRENCH-SNAPSHOT WORK-DIR [QT5CT-SETTINGS-DIR]" >&2
  exit 2
fi
program=$1
snapshot=$2
work=$3
desktop=()
if [ $# -eq 4 ]; then
  rm -rf "$work/settings"
  mkdir -p "$work/settings"
  cp -R "$4/." "$work/settings/"
  # env hands over its own process: the window is still found by the program's process id.
  desktop=(env XDG_CONFIG_HOME="$work/settings" QT_QPA_PLATFORMTHEME=qt5ct)
fi
for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "start check: $tool is missing (Debian packages xvfb and xdotool; tools/setup.sh installs them)" >&2
    exit 1
  fi
done
mkdir -p "$work"
rm -f "$work/window.png" "$work/page-0.png"

check="start check"
# shellcheck source=tools/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
start_display "$work"

"${desktop[@]}" "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

# The program's window is the one its process shows; it has no other.
window=
window_shown() {
  if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "start check: $program ended before its window was shown (see $work/program.log)" >&2
    exit 1
  fi
  window=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
wait_for 30 "the program's window" window_shown

status=0
"$snapshot" --out "$work" --compare-window "$window" 2>"$work/snapshot.log" || status=$?
if [ "$status" -ne 0 ]; then
  # Its reasons (differing pixels, a sanitizer's report) are in its log.
  echo "start check: the snapshot tool failed with status $status:" >&2
  cat "$work/snapshot.log" >&2
  exit 1
fi
