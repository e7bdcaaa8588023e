#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into its own build
# directory (build-asan/ or $BUILD_DIR) and runs the test suite there headless. A memory
# error, a leak or undefined behaviour in any test process fails the run.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$root_dir/build-asan}"
export BUILD_TYPE="${BUILD_TYPE:-Debug}"

sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
# The test binaries also run while building (to list their data rows), so the options hold from here on.
# The toolkit is built without frame pointers, so the fast unwinder stops at its first frame; the
# leak suppression needs the eighth, so allocation stacks are unwound the slow way, eight deep.
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:malloc_context_size=8:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root_dir/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# Given on the command line, the flags hold for a new build directory and an old one alike.
"$root_dir/tools/setup.sh" -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"

cd "$BUILD_DIR"
# The packaging checks build and inspect the package, not the program's memory; the plain run has them;
# nor does the screen reader check, which runs a real screen reader on xcb.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -E '^packaging_' -LE screenreader

