#!/usr/bin/env bash
# The installer under Wine, in both modes: a silent install puts the program, its licence, the
# uninstaller, the Start-menu shortcut and the installed-programs entry where they belong; the
# installed program starts; a silent uninstall takes all of it away again.
# Usage: installer_check.sh <setup.exe>
set -euo pipefail
setup=$1
: "${WINEPREFIX:?source tools/windows/wine.sh first}"
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\FrenchTest'

fail() { echo "installer check: $*" >&2; exit 1; }
unix_path() { winepath --unix "$1" 2>/dev/null; }
# A string value as Unicode text (reg query prints it in the console's code page).
registry_value() {  # key, value name
  local file
  file=$(mktemp --suffix=.reg)
  if wine regedit /E "$(winepath --windows "$file")" "$1" >/dev/null 2>&1; then
    iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r' | sed -n "s/^\"$2\"=\"\(.*\)\"\$/\1/p" | sed 's/\\\\/\\/g'
  fi
  rm -f "$file"
}

check_mode() {  # mode, registry root, Windows install folder ('' for the default), Start-menu folder
  local mode=$1 root=$2 folder=$3 menu=$4
  # /D= takes the rest of the command line as it stands, spaces and all, and no quotes;
  # wine would quote it, so cmd hands the installer the line as written here.
  local line
  line="$(winepath --windows "$setup") /S /$mode"
  [ -n "$folder" ] && line+=" /D=$folder"
  wine cmd /c "$line" || fail "/$mode: the installer failed"
  wineserver --wait

  local location
  location=$(registry_value "$root\\$key" InstallLocation)
  [ -n "$location" ] || fail "/$mode: no installed-programs entry under $root"
  [ -z "$folder" ] || [ "$location" = "$folder" ] || fail "/$mode: installed in $location, not $folder"
  local dir
  dir=$(unix_path "$location")
  for file in french-test.exe LICENSE.txt uninstall.exe; do
    [ -f "$dir/$file" ] || fail "/$mode: $file is missing in $location"
  done
  local shortcut
  shortcut="$(unix_path "$menu")/French Test.lnk"
  [ -f "$shortcut" ] || fail "/$mode: no Start-menu shortcut at $menu"
  echo "/$mode: installed in $location, shortcut and uninstaller registered"

  # The installed program starts and stays up (headless, so no display is needed).
  WINEQT_QPA_PLATFORM=offscreen wine "$location\\french-test.exe" &
  local pid=$!
  sleep 8
  kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; fail "/$mode: the installed program did not stay up"; }
  wineserver --kill
  wait "$pid" 2>/dev/null || true
  echo "/$mode: the installed program starts"

  wine "$location\\uninstall.exe" /S "/$mode" || fail "/$mode: the uninstaller failed"
  wineserver --wait  # the uninstaller runs on from a copy of itself
  [ ! -e "$dir" ] || fail "/$mode: $location is still there after uninstalling: $(ls -A "$dir")"
  [ ! -e "$shortcut" ] || fail "/$mode: the shortcut is still there after uninstalling"
  if [ -n "$(registry_value "$root\\$key" InstallLocation)" ]; then
    fail "/$mode: the installed-programs entry is still there after uninstalling"
  fi
  echo "/$mode: uninstalled without a trace"
}

win_env() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
start_menu='Microsoft\Windows\Start Menu\Programs'

# One student's folder with spaces and Cyrillic letters, as on a Ukrainian classroom PC.
check_mode CurrentUser HKEY_CURRENT_USER 'C:\users\Студент\AppData\Local\Programs\French Test' \
  "$(win_env APPDATA)\\$start_menu"
# Everyone's: the default folder under Program Files.
check_mode AllUsers HKEY_LOCAL_MACHINE '' "$(win_env ProgramData)\\$start_menu"
