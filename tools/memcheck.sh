#!/usr/bin/env bash
# Runs one whole session of the real program (start, answers, Finish, the result tabs, Close;
# see tools/session.cpp) under valgrind's memcheck. Fails on any memory error, on any block
# definitely lost, and on a session that did not end as it should.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$root_dir/build}"

"$root_dir/tools/install_packages.sh" valgrind
"$root_dir/tools/setup.sh"

log="$build_dir/memcheck.log"
status=0
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=40 \
  --suppressions="$root_dir/tools/valgrind.supp" --log-file="$log" \
  "$build_dir/tools/french-session" || status=$?
grep -E 'definitely lost|indirectly lost|ERROR SUMMARY' "$log" || true
if [ "$status" -ne 0 ]; then
  echo "memcheck: failed (status $status), see $log" >&2
  exit 1
fi
echo "memcheck: clean ($log)"
