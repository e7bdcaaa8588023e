#!/usr/bin/env bash
# The real Windows program under Wine on a virtual X display: the window opens at its size for
# the screen's DPI, Next changes the page, and Finish then Close end the process with status 0.
# Saves a picture of every page. Usage: window_check.sh <french-test.exe> <picture dir> [dpi...]
set -euo pipefail
exe=$1
pictures=$2
shift 2
[ $# -gt 0 ] && dpis=("$@") || dpis=(96 144)
: "${WINEPREFIX:?source tools/windows/wine.sh first}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine.sh"
mkdir -p "$pictures"

fail() { echo "window check: $*" >&2; exit 1; }

start_virtual_display
trap stop_virtual_display EXIT

# The window's own coordinates of the buttons, as laid out at 100 %.
next=(520 581); finish=(627 581); close=(733 581)

# The X window of the program's main window: the visible one whose title starts "TEST 1".
find_window() {
  local id
  for _ in $(seq 120); do
    id=$(xdotool search --onlyvisible --name '^TEST 1' 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.5
  done
  return 1
}

click() {  # window, x, y at 100 %, scale
  local x y
  x=$(awk -v v="$2" -v s="$4" 'BEGIN { printf "%d", v * s }')
  y=$(awk -v v="$3" -v s="$4" 'BEGIN { printf "%d", v * s }')
  xdotool mousemove --window "$1" "$x" "$y" click 1
  sleep 1
}

shoot() {  # window, file
  import -silent -window "$1" "$2"
}

for dpi in "${dpis[@]}"; do
  wine_dpi "$dpi"
  scale=$(awk -v d="$dpi" 'BEGIN { print d / 96 }')
  want_w=$(awk -v s="$scale" 'BEGIN { printf "%d", 800 * s }')
  want_h=$(awk -v s="$scale" 'BEGIN { printf "%d", 600 * s }')

  wine "$exe" --unknown-argument &
  wine_pid=$!
  window=$(find_window) || fail "no window titled TEST 1 appeared at $dpi dpi"
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" = "$want_w" ] && [ "$HEIGHT" = "$want_h" ] \
    || fail "window is ${WIDTH}x${HEIGHT} at $dpi dpi, not ${want_w}x${want_h}"
  echo "$dpi dpi: window ${WIDTH}x${HEIGHT}"

  shoot "$window" "$pictures/page-0-$dpi.png"
  for page in 1 2 3 4 5 6 7; do
    click "$window" "${next[@]}" "$scale"
    shoot "$window" "$pictures/page-$page-$dpi.png"
    cmp -s "$pictures/page-$((page - 1))-$dpi.png" "$pictures/page-$page-$dpi.png" \
      && fail "Next did not change page $((page - 1)) at $dpi dpi"
  done
  click "$window" "${finish[@]}" "$scale"
  shoot "$window" "$pictures/result-$dpi.png"
  cmp -s "$pictures/page-7-$dpi.png" "$pictures/result-$dpi.png" && fail "Finish showed no result at $dpi dpi"
  click "$window" "${close[@]}" "$scale"

  status=0
  for _ in $(seq 60); do kill -0 "$wine_pid" 2>/dev/null || break; sleep 0.5; done
  kill -0 "$wine_pid" 2>/dev/null && fail "Close did not end the program at $dpi dpi"
  wait "$wine_pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status at $dpi dpi"
  echo "$dpi dpi: Next through every page, Finish, Close: exit status 0"
done
wine_dpi 96
