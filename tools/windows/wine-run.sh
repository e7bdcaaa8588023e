#!/bin/sh
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
for attempt in 1 2; do
  wine "$@" >"$out" 2>"$err"
  status=$?
  [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ] && [ "$attempt" -eq 1 ] || break
  echo "wine-run: $1 ended with status $status before writing anything; starting it once more" >&2
done
cat "$out"
cat "$err" >&2
[ "$status" -eq 0 ] || echo "wine-run: $1 ended with status $status" >&2
exit "$status"
