#!/usr/bin/env bash
# The MSI under Wine: a silent install puts the program, its licence, the Start-menu shortcut and
# the installed-programs entry where they belong; a higher version replaces it, leaving one entry;
# a lower one is refused, and so is any while the setup program's all-users install is there;
# a silent removal takes all of it away again. The MSI installed first is the released one; the
# higher version it is upgraded to is built here from the same files.
# Usage: msi_check.sh <released .msi> <french-test.exe packed in it> <LICENSE.txt> <french-test.ico>
#   <version x.y.z> <publisher, may be empty>
# Takes WINEPREFIX from the caller, or makes its prefix under $out_dir (see wine.sh).
set -euo pipefail
[ $# -eq 6 ] || { echo "usage: msi_check.sh MSI EXE LICENSE ICON VERSION PUBLISHER" >&2; exit 2; }
released=$1 exe=$2 license=$3 icon=$4 version=$5 publisher=$6
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=tools/windows/wine.sh
source "$here/wine.sh"

fail() { echo "msi check: $*" >&2; exit 1; }
[[ $version =~ ^([0-9]+\.[0-9]+)\.([0-9]+)$ ]] || fail "version $version is not x.y.z"
higher="${BASH_REMATCH[1]}.$((BASH_REMATCH[2] + 1))"

[ -f "$released" ] || fail "no MSI $released"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$released" "$work/low.msi"
"$here/msi.sh" "$higher" "$exe" "$license" "$icon" "$publisher" "$work/high.msi"
# A rebuild of the same version with other content: the same product under another package code.
{ cat "$license"; echo; } > "$work/LICENSE.txt"
"$here/msi.sh" "$version" "$exe" "$work/LICENSE.txt" "$icon" "$publisher" "$work/rebuild.msi"

settle() { timeout 120 wineserver --wait || fail "Wine did not settle within two minutes"; }
# msiexec's own exit code, left in $code (wine's is cut to eight bits: 1603 would read 67).
msiexec_code() {  # msiexec arguments
  local out
  out=$(timeout 300 wine cmd /v:on /c "start /wait msiexec $* & echo code=!ERRORLEVEL!" 2>/dev/null) ||
    true
  settle
  code=$(sed -n 's/^code=\([0-9]*\).*/\1/p' <<<"$out" | tr -d '\r')
}
# A registry that could not be read fails the check (wine.sh names the key): callers take the
# status, value=$(registry_value ...) || exit 1.
registry_value() {  # key, value name
  local text
  text=$(wine_export_key "$1") || return 1
  sed -n "s/^\"$2\"=\"\(.*\)\"\$/\1/p" <<<"$text" | sed 's/\\\\/\\/g'
}
# One line per installed-programs entry named French Test: its key and its DisplayVersion.
entries() {
  local text
  text=$(wine_export_key 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall') || return 1
  awk '
    /^\[/ { if (name == "French Test") print key, version; key = $0; name = ""; version = "" }
    /^"DisplayName"=/ { name = substr($0, 16, length($0) - 16) }
    /^"DisplayVersion"=/ { version = substr($0, 19, length($0) - 19) }
    END { if (name == "French Test") print key, version }' <<<"$text"
}
settle
programfiles=$(wine_env ProgramW6432)
programdata=$(wine_env ProgramData)
appdata=$(wine_env APPDATA)
windir=$(wine_env windir)
folder=$(wine_path --unix "$programfiles\\French Test")
menu='Microsoft\Windows\Start Menu\Programs'
shortcut="$(wine_path --unix "$programdata\\$menu")/French Test.lnk"
# Wine's msi takes ProgramMenuFolder from the user's profile even with ALLUSERS=1, where
# Windows takes the all-users one; that copy is looked for too, and named when found.
wine_shortcut="$(wine_path --unix "$appdata\\$menu")/French Test.lnk"
own_key='HKEY_LOCAL_MACHINE\Software\French Test'
nsis_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\FrenchTest'
low=$(wine_path --windows "$work/low.msi")
high=$(wine_path --windows "$work/high.msi")
rebuild=$(wine_path --windows "$work/rebuild.msi")

installed() {  # version, what was done
  local list text value
  for file in french-test.exe LICENSE.txt; do
    [ -f "$folder/$file" ] || fail "$2: $file is missing in $folder"
  done
  cmp -s "$exe" "$folder/french-test.exe" || fail "$2: french-test.exe is not the one packed"
  if [ ! -f "$shortcut" ]; then
    [ -f "$wine_shortcut" ] || fail "$2: no Start-menu shortcut at $shortcut"
    echo "$2: the shortcut is in the per-user Start menu, as Wine's msi puts it"
  fi
  list=$(entries) || exit 1
  if [ "$(wc -l <<<"$list")" -ne 1 ] || [ "${list##* }" != "$1" ]; then
    fail "$2: the installed-programs list should hold French Test $1 once, holds: ${list:-nothing}"
  fi
  local key=${list% *}
  key=${key#[}
  key=${key%]}
  value=$(registry_value "$key" Publisher) || exit 1
  [ "$value" = "${publisher:-French Test}" ] || fail "$2: the entry's publisher is '$value', not '${publisher:-French Test}'"
  # Windows shows ARPPRODUCTICON as the entry's DisplayIcon; Wine's msi writes no DisplayIcon
  # but publishes the icon all the same, in the product's folder of the Installer cache.
  local icon
  icon=$(wine_path --unix "$windir\\Installer\\${key##*\\}\\FrenchTest.ico")
  [ -f "$icon" ] || fail "$2: the entry's icon was not published"
  text=$(wine_export_key "$key") || exit 1
  grep -qx '"NoModify"=dword:00000001' <<<"$text" || fail "$2: the entry is modifiable"
  grep -qx '"NoRepair"=dword:00000001' <<<"$text" || fail "$2: the entry offers a repair"
  value=$(registry_value "$own_key" InstalledBy) || exit 1
  [ "$value" = msi ] || fail "$2: InstalledBy is not msi"
}
nothing_installed() {  # what was done
  local list value
  [ ! -e "$folder" ] || fail "$1: $folder is there: $(ls -A "$folder")"
  if [ -e "$shortcut" ] || [ -e "$wine_shortcut" ]; then fail "$1: the shortcut is there"; fi
  list=$(entries) || exit 1
  [ -z "$list" ] || fail "$1: an installed-programs entry is there: $list"
  value=$(registry_value "$own_key" InstalledBy) || exit 1
  [ -z "$value" ] || fail "$1: InstalledBy is there"
}
expect() {  # wanted code (or 'non-zero', or 'any'), what is done, msiexec arguments
  local want=$1 what=$2
  shift 2
  msiexec_code "$@"
  echo "$what: msiexec exited with ${code:-no code}"
  case $want in
    any) ;;
    non-zero) if [ -z "$code" ] || [ "$code" = 0 ]; then fail "$what should have been refused"; fi ;;
    *) [ "$code" = "$want" ] || fail "$what: msiexec exited with ${code:-no code}, not $want" ;;
  esac
}

nothing_installed "before installing"
expect 0 "install $version" /i "$low" /qn
installed "$version" "install $version"
# Windows refuses it (1638), Wine's msi installs it again: either way, one entry.
expect any "install a rebuild of $version over it" /i "$rebuild" /qn
installed "$version" "install a rebuild of $version over it"
expect 0 "upgrade to $higher" /i "$high" /qn
installed "$higher" "upgrade to $higher"
expect non-zero "install $version over $higher" /i "$low" /qn
installed "$higher" "install $version over $higher"
expect 0 "remove $higher" /x "$high" /qn
nothing_installed "remove $higher"

# The setup program's install for all users, as far as the MSI sees it.
wine reg add "$nsis_key" /v InstallLocation /d 'C:\Program Files\French Test' /f /reg:64 >/dev/null
settle
expect non-zero "install $version beside the setup program's" /i "$low" /qn
wine reg delete "$nsis_key" /f /reg:64 >/dev/null
settle
nothing_installed "install $version beside the setup program's"
expect 0 "install $version once the setup program's is gone" /i "$low" /qn
installed "$version" "install $version once the setup program's is gone"
expect 0 "remove $version" /x "$low" /qn
nothing_installed "remove $version"
echo "msi check: all passed"
