# shellcheck shell=bash
# Sourced: Wine for running the Windows build here. One 64-bit prefix per build tree, made once
# before any test runs in parallel. Debian ships neither Wine Mono nor Gecko; none is asked for.
export WINEPREFIX="${WINEPREFIX:-${out_dir:?}/wine}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_prefix_ready() {  # folder of the fonts made by fonts.py
  if [ ! -f "$WINEPREFIX/.french-test-ready" ]; then
    # A prefix without the mark is one whose making failed or was cut short: wineboot again.
    echo "Making the Wine prefix $WINEPREFIX" >&2
    local status=0
    timeout 600 wineboot --init >/dev/null 2>&1 || status=$?
    timeout 120 wineserver --wait || true
    if [ "$status" -ne 0 ] || [ ! -s "$WINEPREFIX/system.reg" ] || [ ! -d "$WINEPREFIX/drive_c/windows/Fonts" ]; then
      echo "wine.sh: wineboot could not make the prefix $WINEPREFIX (status $status)" >&2
      return 1
    fi
    touch "$WINEPREFIX/.french-test-ready"
  fi
  # Wine's programs find neither Debian's Tahoma nor any Trebuchet MS: without these they draw
  # everything in whatever font is left. Wine reads the fonts in the prefix's Fonts folder.
  cp "$1"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Path conversions and Windows folders, checked: an empty answer would turn a later check on a
# file into a verdict on the wrong one.
# Now and then a Wine program started right after another has ended fails to start at all; a
# conversion changes nothing, so it is asked once more.
wine_path() {  # --unix or --windows, a path
  local path attempt
  for attempt in 1 2; do
    path=$(winepath "$1" "$2" 2>/dev/null) && [ -n "$path" ] && break
    path=
  done
  [ -n "$path" ] || { echo "wine.sh: winepath $1 could not convert $2 (tried $attempt times)" >&2; return 1; }
  echo "$path"
}
wine_env() {  # the name of a Windows variable that holds a folder
  local value
  value=$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')
  [[ $value == [A-Za-z]:\\* ]] || { echo "wine.sh: Wine gave no folder for %$1% (got '$value')" >&2; return 1; }
  echo "$value"
}
# A registry key as regedit exports it, in UTF-8 (reg query prints in the console's code page);
# nothing when the key is not there. Wine's regedit /E exits 0 and writes nothing both for a
# missing key and when it could not read the registry at all, so an empty export counts as
# "not there" only when a key that is always there exports right after; otherwise it fails,
# naming the key. Callers take the status: value=$(wine_export_key ...) || exit 1.
wine_control_key='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\ComputerName'
wine_regedit_export() {  # key, unix file: 0 the file holds that key, 2 regedit wrote nothing, 1 failed
  local windows
  windows=$(wine_path --windows "$2") || return 1
  : >"$2"
  # An export only reads, so a start that failed is tried once more, as for wine_path.
  timeout 120 wine regedit /E "$windows" "$1" >/dev/null 2>&1 \
    || timeout 120 wine regedit /E "$windows" "$1" >/dev/null 2>&1 || return 1
  [ -s "$2" ] || return 2
  iconv -f UTF-16LE -t UTF-8 "$2" | tr -d '\r' | grep -ixF "[$1]" >/dev/null
}
wine_export_key() {  # key
  local file status=0
  file=$(mktemp --suffix=.reg)
  wine_regedit_export "$1" "$file" || status=$?
  if [ "$status" -eq 0 ]; then
    iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r'
  elif [ "$status" -ne 2 ] || ! wine_regedit_export "$wine_control_key" "$file"; then
    rm -f "$file"
    echo "wine.sh: the registry could not be read for $1" >&2
    return 1
  fi
  rm -f "$file"
}

# The screen's dots per inch as Windows programs see it (96 is 100 %, 144 is 150 %).
wine_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  wineserver --wait
}

# shellcheck source=tools/virtual_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../virtual_display.sh"
# A virtual X display for Wine's windows: exports DISPLAY, and display_pid for
# stop_virtual_display.
start_virtual_display() {
  xvfb_start 1600x1200x24 /dev/null || { echo "wine.sh: the virtual display (Xvfb) did not come up" >&2; return 1; }
  display_pid=$xvfb_pid
}

# Ends the display and the Wine processes on it: a Wine desktop left behind on a display that
# has gone makes the next Wine program hang.
stop_virtual_display() {
  kill "$display_pid" 2>/dev/null || true
  wineserver --kill 2>/dev/null || true
  wineserver --wait 2>/dev/null || true
  unset DISPLAY
}
