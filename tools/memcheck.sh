#!/usr/bin/env bash
# Runs one whole session of the real program (start, answers, Finish, the result tabs, Close;
# see tools/session.cpp) under valgrind's memcheck. Fails on any memory error, on any block
# definitely lost, and on a session that did not end as it should.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$root_dir/build}"

if ! command -v valgrind >/dev/null 2>&1; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends valgrind
fi
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
