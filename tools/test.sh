#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless through CTest.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root_dir/tools/setup.sh"
cd "$root_dir"
ctest --preset default --test-dir "${BUILD_DIR:-build}" -j"$(nproc)"
