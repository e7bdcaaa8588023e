# shellcheck shell=bash
# Sourced by everything that runs a program on a virtual display of its own: the Linux checks
# (start_display) and the Windows program under Wine (tools/windows/wine.sh). The caller may set
# `check` to the name its messages begin with.

pids=()
# What was started last is stopped first: the program before its display.
stop_all() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
  done
}

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
  echo "${check:-virtual display}: $what did not happen within $seconds seconds" >&2
  return 1
}

# xvfb_start SIZE LOG [XVFB-OPTION...]: Xvfb on a free display number, waited for; exports
# DISPLAY and leaves the server's process in xvfb_pid.
xvfb_start() {
  local size=$1 log=$2 number
  shift 2
  number=$(mktemp)
  # Xvfb writes its display number once it accepts clients.
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp "$@" 3>"$number" 2>"$log" &
  xvfb_pid=$!
  if ! wait_for 20 "the virtual display's start (see $log)" test -s "$number"; then
    kill "$xvfb_pid" 2>/dev/null || true
    rm -f "$number"
    return 1
  fi
  DISPLAY=":$(head -n 1 "$number")"
  export DISPLAY
  rm -f "$number"
}

# start_display WORK-DIR [XVFB-OPTION...]: Xvfb at 96 dpi, for the xcb platform from here on,
# stopped on exit.
start_display() {
  local work=$1
  shift
  trap stop_all EXIT
  xvfb_start 1024x768x24 "$work/xvfb.log" -dpi 96 "$@"
  pids+=("$xvfb_pid")
  # Nothing here draws with OpenGL; left to itself the xcb platform loads the GL driver (Mesa's
  # software one), whose allocations LeakSanitizer reports from frames already unloaded.
  export QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none
}
