#!/usr/bin/env bash
# Reads the real window as a screen reader does: the program on the xcb platform under a
# virtual display, in a D-Bus session with at-spi2-core's accessibility bus, read with
# python3-pyatspi (tools/atspi_read.py). A developer check, not part of the suite.
#     tools/atspi_check.sh [build dir]
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-$root_dir/build}"
"$root_dir/tools/install_packages.sh" xvfb xauth dbus at-spi2-core python3-pyatspi

if [ "${ATSPI_CHECK_INSIDE:-}" != 1 ]; then
  export ATSPI_CHECK_INSIDE=1
  exec timeout 120 xvfb-run -a dbus-run-session -- "$0" "$build_dir"
fi

# No OpenGL, as in the start check: the GL driver's allocations would read as leaks under the sanitizers.
export QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
"$build_dir/french-test" &
program=$!
status=0
timeout 90 /usr/bin/python3 "$root_dir/tools/atspi_read.py" || status=$?
# Close pressed through the tree ends the program; anything else gets ten seconds, then a kill.
for _ in $(seq 50); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$program" 2>/dev/null; then
  kill "$program"
  status=1
fi
wait "$program" || true
exit "$status"
