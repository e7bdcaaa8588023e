#!/bin/sh
# Runs a Windows program under Wine with the caller's QT_* variables: Wine keeps the host's
# QT_* from Windows programs, but hands them on when they are spelt WINEQT_*.
for var in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
  export "WINE$var=$(printenv "$var")"
done
exec wine "$@"
