#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless through CTest.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root_dir/tools/setup.sh"
cd "${BUILD_DIR:-$root_dir/build}"
# The screen reader check runs on xcb, on its own (tools/screen_reader_check.sh).
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -LE screenreader
