#!/usr/bin/env bash
# Takes the whole test by keys alone under a real screen reader, Orca, and compares what it
# spoke with tools/screen_reader_steps.txt, step by step and in order. Everything runs on a
# virtual display and in a D-Bus session of its own: the accessibility bus (at-spi2-core), a
# window manager, speech-dispatcher with espeak-ng writing to ALSA's null device, Orca with
# its own settings folder, and the program on the xcb platform.
#
#   tools/screen_reader_check.sh PROGRAM WORK-DIR [--record]
#
# --record prints what Orca said after each step instead of comparing. Needs the Debian
# packages orca, speech-dispatcher, speech-dispatcher-espeak-ng, espeak-ng, at-spi2-core,
# dbus, xvfb, x11-utils, openbox and xdotool; tools/setup.sh installs them.

# The helpers below are run by wait_for, which shellcheck cannot see.
# shellcheck disable=SC2317
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 PROGRAM WORK-DIR [--record]" >&2
  exit 2
fi
program=$(realpath "$1")
work=$(realpath -m "$2")
shift 2
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
check="screen reader check"
for tool in Xvfb xprop openbox xdotool orca speech-dispatcher dbus-run-session script; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$check: $tool is missing (tools/setup.sh installs what this check needs)" >&2
    exit 1
  fi
done

if [ "${SCREEN_READER_CHECK_SESSION:-}" != 1 ]; then
  # Orca runs once per user: one left over from an earlier run would make this one refuse.
  if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "$check: another Orca of this user is running; it would keep this one from starting" >&2
    exit 1
  fi
  rm -rf "$work"
  mkdir -p "$work"
  export SCREEN_READER_CHECK_SESSION=1
  exec timeout 600 dbus-run-session -- "$0" "$program" "$work" "$@"
fi

# shellcheck source=tools/virtual_display.sh
source "$root_dir/tools/virtual_display.sh"
# Without -noreset the display resets when its last client leaves, and the toolkit then often
# fails to reach the accessibility registry.
start_display "$work" -noreset
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
wait_for 20 "the window manager's start (see $work/openbox.log)" wm_running

# Private folders for the sockets and settings of speech-dispatcher, Orca and the
# accessibility bus; the bus and the speech server are started by D-Bus and need them too.
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
  XDG_CACHE_HOME="$work/cache" LANG=C.UTF-8
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$work/orca"
dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME LANG
# Where there is no sound card speech-dispatcher hangs in its audio output; the null device
# takes the sound.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogLevel 3
LogDir "$work"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF

# Orca writes its debug file through a block buffer, but line by line to a terminal: run
# under script, it logs to the terminal and script copies each line to the log at once.
log="$work/orca.log"
# There is no braille display (without -d braille Orca keeps trying to reach one).
script -qfec "orca -u '$work/orca' -d braille --debug-file /dev/tty" "$log" >/dev/null 2>&1 </dev/null &
orca_session=$!
pids+=("$orca_session")
spoken() {
  grep -q "SPEECH OUTPUT: '$1" "$log" 2>/dev/null
}
wait_for 60 "Orca's start (see $log)" spoken "Screen reader on."

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
pids+=($!)
# The program is known to Orca once Orca speaks its window and the button with the focus.
wait_for 60 "Orca's first words on the program (see $log)" spoken "Далі"

status=0
/usr/bin/python3 "$root_dir/tools/screen_reader_walk.py" "$root_dir/tools/screen_reader_steps.txt" "$log" "$@" \
  || status=$?
# Orca, script's child, is ended first and awaited, so that the next run finds no Orca.
orca_pid=$(pgrep -P "$orca_session" -x orca || true)
if [ -n "$orca_pid" ]; then
  kill "$orca_pid"
  orca_gone() {
    ! kill -0 "$orca_pid" 2>/dev/null
  }
  # Orca may take its time over the signal; its log is already written.
  if ! wait_for 10 "Orca's end on SIGTERM" orca_gone 2>/dev/null; then
    kill -9 "$orca_pid" 2>/dev/null || true
    wait_for 10 "Orca's end on SIGKILL" orca_gone || status=1
  fi
fi
if [ "$status" -ne 0 ]; then
  echo "$check: failed; Orca's log is $log" >&2
fi
exit "$status"
