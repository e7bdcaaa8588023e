#!/usr/bin/env bash
# Installs what is missing, builds, and opens the window.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root_dir/tools/setup.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'MSG'
french-test is built, but it needs a graphical display to open its window, and none was
found (DISPLAY and WAYLAND_DISPLAY are not set). Run this command from a desktop session,
or, on a machine without one, under a virtual display:
    sudo apt-get install xvfb && xvfb-run -a tools/run.sh
MSG
  exit 1
fi
exec "${BUILD_DIR:-$root_dir/build}/french-test" "$@"
