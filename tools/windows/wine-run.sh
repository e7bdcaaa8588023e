#!/usr/bin/env bash
# Runs a Windows program under Wine with the caller's QT_* variables: Wine keeps the host's
# QT_* from Windows programs, but hands them on when they are spelt WINEQT_*.
for var in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
  export "WINE$var=$(printenv "$var")"
done
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
# Now and then (twice in some three thousand starts here) Wine fails to start a program at all:
# status 1 at once, not a word written. Every program run here writes before it can fail
# (a QtTest header, a listing), so such a start is tried once more, and the log says so.
# The output goes on as it comes, so that a test killed at its time limit leaves what it wrote.
for attempt in 1 2; do
  # The copy of stderr is started apart, so that its process is this shell's to wait for.
  exec 3> >(tee "$err" >&2)
  err_copy=$!
  wine "$@" 2>&3 | tee "$out"
  status=${PIPESTATUS[0]}
  exec 3>&-
  wait "$err_copy"
  if [ "$status" -eq 0 ] || [ -s "$out" ] || [ -s "$err" ] || [ "$attempt" -eq 2 ]; then
    break
  fi
  echo "wine-run: $1 ended with status $status before writing anything; starting it once more" >&2
done
[ "$status" -eq 0 ] || echo "wine-run: $1 ended with status $status" >&2
exit "$status"
