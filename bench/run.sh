#!/usr/bin/env bash
# Builds the project as a release build (through tools/setup.sh, into build/ or $BUILD_DIR)
# and runs the benchmark on the offscreen platform. Arguments go to french-bench:
#     bench/run.sh [--runs N] [--verbose]
# It only reports; it is not part of the test suite and never fails on a figure.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root_dir/tools/setup.sh" >&2
exec "${BUILD_DIR:-$root_dir/build}/bench/french-bench" "$@"
