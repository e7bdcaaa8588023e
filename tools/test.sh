#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless through CTest.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root_dir/tools/setup.sh"
cd "${BUILD_DIR:-$root_dir/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
