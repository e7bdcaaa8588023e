#!/usr/bin/env bash
# The real Windows program under Wine on a virtual X display: the window opens at its size for
# the screen's DPI, Next changes the page, and Finish then Close end the process with status 0.
# Saves a picture of every page.
# Usage: window_check.sh <french-test.exe> <french-snapshot.exe> <picture dir> [dpi...]
set -euo pipefail
exe=$1
snapshot=$2
pictures=$3
shift 3
[ $# -gt 0 ] && dpis=("$@") || dpis=(96 144)
: "${WINEPREFIX:?source tools/windows/wine.sh first}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=tools/windows/wine.sh
source "$here/wine.sh"
mkdir -p "$pictures"

fail() { echo "window check: $*" >&2; exit 1; }

start_virtual_display
trap stop_virtual_display EXIT

# The window's own coordinates of the buttons at a scale, from the form code itself.
buttons() {  # scale
  local geometry
  geometry=$(WINEQT_QPA_PLATFORM=offscreen timeout 60 wine "$snapshot" --geometry "$1" 2>/dev/null | tr -d '\r')
  for name in next finish close; do
    echo "$geometry" | grep -i -m 1 "^$name [0-9]* [0-9]*\$" || fail "the snapshot tool gave no place for $name"
  done
}

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

click() {  # window, x, y
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

shoot() {  # window, file
  import -silent -window "$1" "$2"
}

# Takes pictures until the window shows something other than the picture given (none: anything)
# and has stopped changing; 15 s at most.
shoot_settled() {  # window, file, picture it must differ from or ''
  local previous=$3 last
  last=$(mktemp --suffix=.png)
  for _ in $(seq 150); do
    shoot "$1" "$2"
    if [ -s "$last" ] && cmp -s "$last" "$2" && { [ -z "$previous" ] || ! cmp -s "$previous" "$2"; }; then
      rm -f "$last"
      return 0
    fi
    cp "$2" "$last"
    sleep 0.1
  done
  rm -f "$last"
  return 1
}

for dpi in "${dpis[@]}"; do
  wine_dpi "$dpi"
  scale=$(awk -v d="$dpi" 'BEGIN { print d / 96 }')
  want_w=$(awk -v s="$scale" 'BEGIN { printf "%d", 800 * s }')
  want_h=$(awk -v s="$scale" 'BEGIN { printf "%d", 600 * s }')
  places=$(buttons "$scale")
  read -r -a next <<< "$(echo "$places" | sed -n 's/^next //p')"
  read -r -a finish <<< "$(echo "$places" | sed -n 's/^finish //p')"
  read -r -a close <<< "$(echo "$places" | sed -n 's/^close //p')"
  [ ${#next[@]} -eq 2 ] && [ ${#finish[@]} -eq 2 ] && [ ${#close[@]} -eq 2 ] \
    || fail "the snapshot tool gave no button places at scale $scale"

  wine "$exe" --unknown-argument &
  wine_pid=$!
  window=$(find_window) || fail "no window titled TEST 1 appeared at $dpi dpi"
  # The window is mapped first and given its size for the DPI just after.
  for _ in $(seq 100); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" = "$want_w" ] && [ "$HEIGHT" = "$want_h" ] && break
    sleep 0.1
  done
  [ "$WIDTH" = "$want_w" ] && [ "$HEIGHT" = "$want_h" ] \
    || fail "window is ${WIDTH}x${HEIGHT} at $dpi dpi, not ${want_w}x${want_h}"
  echo "$dpi dpi: window ${WIDTH}x${HEIGHT}"

  shoot_settled "$window" "$pictures/page-0-$dpi.png" '' || fail "the first page never settled at $dpi dpi"
  for page in 1 2 3 4 5 6 7; do
    click "$window" "${next[@]}"
    shoot_settled "$window" "$pictures/page-$page-$dpi.png" "$pictures/page-$((page - 1))-$dpi.png" \
      || fail "Next did not change page $((page - 1)) at $dpi dpi"
  done
  click "$window" "${finish[@]}"
  shoot_settled "$window" "$pictures/result-$dpi.png" "$pictures/page-7-$dpi.png" \
    || fail "Finish showed no result at $dpi dpi"
  click "$window" "${close[@]}"

  status=0
  for _ in $(seq 60); do kill -0 "$wine_pid" 2>/dev/null || break; sleep 0.5; done
  kill -0 "$wine_pid" 2>/dev/null && fail "Close did not end the program at $dpi dpi"
  wait "$wine_pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status at $dpi dpi"
  echo "$dpi dpi: Next through every page, Finish, Close: exit status 0"
done
wine_dpi 96
