#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into its own build
# directory (build-asan/) and runs the test suite there headless. A memory
# error, a leak or undefined behaviour in any test process fails the run.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The flags and the sanitizers' options are the sanitize preset's (CMakePresets.json); they hold
# in its own folder, build-asan/.
"$root_dir/tools/setup.sh" --preset sanitize
cd "$root_dir"
# The packaging checks build and inspect the package, not the program's memory; the plain run
# has them (the preset leaves them out).
ctest --preset sanitize -j"$(nproc)"
