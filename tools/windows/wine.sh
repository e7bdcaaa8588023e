# shellcheck shell=bash
# Sourced: Wine for running the Windows build here. One 64-bit prefix per build tree, made once
# before any test runs in parallel. Debian ships neither Wine Mono nor Gecko; none is asked for.
export WINEPREFIX="${WINEPREFIX:-${out_dir:?}/wine}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_prefix_ready() {  # folder of the fonts made by fonts.py
  if [ ! -f "$WINEPREFIX/.french-test-ready" ]; then
    echo "Making the Wine prefix $WINEPREFIX" >&2
    wineboot --init >/dev/null 2>&1 || true
    wineserver --wait
    touch "$WINEPREFIX/.french-test-ready"
  fi
  # Wine's programs find neither Debian's Tahoma nor any Trebuchet MS: without these they draw
  # everything in whatever font is left. Wine reads the fonts in the prefix's Fonts folder.
  cp "$1"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# The screen's dots per inch as Windows programs see it (96 is 100 %, 144 is 150 %).
wine_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  wineserver --wait
}

# A virtual X display for Wine's windows: exports DISPLAY, and display_pid for
# stop_virtual_display.
start_virtual_display() {
  local file
  file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$file" 2>/dev/null &
  display_pid=$!
  # Xvfb writes the display's number once it takes connections.
  for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
  if [ ! -s "$file" ]; then
    rm -f "$file"
    kill "$display_pid" 2>/dev/null || true
    echo "wine.sh: the virtual display (Xvfb) did not come up within 10 s" >&2
    return 1
  fi
  DISPLAY=":$(cat "$file")"
  export DISPLAY
  rm -f "$file"
}

# Ends the display and the Wine processes on it: a Wine desktop left behind on a display that
# has gone makes the next Wine program hang.
stop_virtual_display() {
  kill "$display_pid" 2>/dev/null || true
  wineserver --kill 2>/dev/null || true
  wineserver --wait 2>/dev/null || true
  unset DISPLAY
}
