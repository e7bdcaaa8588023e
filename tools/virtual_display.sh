# shellcheck shell=bash
# Sourced by the checks that run a program on a virtual display of their own, which ends with
# the check. The caller sets `check` to the name its messages begin with.

pids=()
# What was started last is stopped first: the program before its display.
stop_all() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
  done
}
trap stop_all EXIT

# wait_for SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second until it succeeds.
wait_for() {
  local seconds=$1 what=$2 i
  shift 2
  for ((i = 0; i < seconds * 10; i++)); do
    if "$@"; then
      return 0
    fi
    sleep 0.1
  done
  echo "${check:?}: $what did not happen within $seconds seconds" >&2
  return 1
}

# start_display WORK-DIR [XVFB-OPTION...]: Xvfb at 96 dpi, for the xcb platform from here on.
start_display() {
  local work=$1
  shift
  rm -f "$work/display"
  # Xvfb writes its display number once it accepts clients.
  Xvfb -displayfd 1 "$@" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  wait_for 20 "the virtual display's start (see $work/xvfb.log)" test -s "$work/display"
  DISPLAY=":$(head -n 1 "$work/display")"
  # Nothing here draws with OpenGL; left to itself the xcb platform loads the GL driver (Mesa's
  # software one), whose allocations LeakSanitizer reports from frames already unloaded.
  export DISPLAY QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none
}
