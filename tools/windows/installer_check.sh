#!/usr/bin/env bash
# The installer under Wine, as a classroom gets it: silent installs in both modes side by side,
# told apart, each uninstalling only itself; an upgrade in place in a /D= folder with spaces and
# Cyrillic letters; an older version refused over a newer one; a running program neither replaced
# nor removed; the uninstaller run directly by an administrator on a per-user install; a folder
# that cannot be written and a second installer at once, both refused with nothing installed.
# Wine runs everything as administrator and shows no prompts, so only exit codes are checked.
# Usage: installer_check.sh <setup.exe> <setup.exe of a higher version>
set -euo pipefail
setup=$1 newer=$2
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
: "${WINEPREFIX:?source tools/windows/wine.sh first}"
# shellcheck source=tools/windows/wine.sh
source "$here/wine.sh"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\FrenchTest'

# What the last installer or uninstaller printed, with Wine's own errors, shown when a check fails.
run_log=$(mktemp)
fail() {
  echo "installer check: $*" >&2
  if [ -s "$run_log" ]; then
    echo "installer check: the last program run printed:" >&2
    tail -n 40 "$run_log" | sed 's/^/  /' >&2
  fi
  exit 1
}
unix_path() { wine_path --unix "$1"; }
# A value as regedit exports it: what stands after the '='. A registry that could not be read
# fails the check (wine.sh names the key); take the status: value=$(registry_value ...) || exit 1.
registry_export() {  # key, value name
  local text
  text=$(wine_export_key "$1") || return 1
  sed -n "s/^\"$2\"=//p" <<<"$text"
}
registry_value() {  # key, value name: a string, unescaped
  registry_export "$1" "$2" | sed -n 's/^"\(.*\)"$/\1/p' | sed 's/\\\(["\\]\)/\1/g'
}
registry_dword() {  # key, value name: as a decimal number
  local hex
  hex=$(registry_export "$1" "$2" | sed -n 's/^dword://p') || return 1
  [ -z "$hex" ] || echo $((16#$hex))
}

# Runs an installer or uninstaller, waits for all it started, and leaves its exit status in
# $status (not printed: a check failed inside $(...) would end only that subshell).
# /D= takes the rest of the command line as it stands, spaces and all, and no quotes; wine
# would quote it, so cmd hands the program the line as written here.
# (The uninstaller runs on from a copy of itself, hence the wait; with a program still running,
# run_now does not wait for all of Wine to end.)
run_now() {  # Windows command line, or a program and its arguments
  status=0
  echo "> $*" >"$run_log"
  if [ $# -eq 1 ]; then
    WINEDEBUG=-all,err+all timeout 120 wine cmd /c "$1" >>"$run_log" 2>&1 || status=$?
    # 49 is cmd's 9009 cut to eight bits: the program was not started at all (our installers
    # exit with 0, 1 or 2). Once more, said aloud; a program that is not there fails again.
    if [ "$status" -eq 49 ]; then
      echo "installer check: cmd could not start: $1; starting it once more" >&2
      status=0
      WINEDEBUG=-all,err+all timeout 120 wine cmd /c "$1" >>"$run_log" 2>&1 || status=$?
    fi
  else
    WINEDEBUG=-all,err+all timeout 120 wine "$@" >>"$run_log" 2>&1 || status=$?
  fi
  echo "exit status $status" >>"$run_log"
}
run() {  # as run_now
  run_now "$@"
  timeout 120 wineserver --wait || fail "Wine did not come to rest within 2 minutes after: $*"
}
setup_line() { echo "$1 /S ${*:2}"; }  # the installer's Windows path, options

setup_win=$(wine_path --windows "$setup")
newer_win=$(wine_path --windows "$newer")
start_menu='Microsoft\Windows\Start Menu\Programs'
appdata=$(wine_env APPDATA)
programdata=$(wine_env ProgramData)
programfiles=$(wine_env ProgramW6432)
user_menu=$(unix_path "$appdata\\$start_menu")
all_menu=$(unix_path "$programdata\\$start_menu")
user_folder='C:\users\Студент\AppData\Local\Programs\French Test 2026'
user_dir=$(unix_path "$user_folder")
all_folder="$programfiles\\French Test"
all_dir=$(unix_path "$all_folder")

expect_installed() {  # what, registry root, Windows folder, display name, version, shortcut path
  local what=$1 root=$2 folder=$3 name=$4 version=$5 shortcut=$6 file dir
  dir=$(unix_path "$folder")
  [ "$(registry_value "$root\\$uninstall_key" InstallLocation)" = "$folder" ] \
    || fail "$what: the entry under $root does not name $folder"
  [ "$(registry_value "$root\\$uninstall_key" DisplayName)" = "$name" ] || fail "$what: the entry is not named $name"
  [ "$(registry_value "$root\\$uninstall_key" DisplayVersion)" = "$version" ] || fail "$what: the entry does not show $version"
  [ "$(registry_value "$root\\$uninstall_key" QuietUninstallString)" = "\"$folder\\uninstall.exe\" /S" ] \
    || fail "$what: the quiet uninstall string is not the quoted uninstaller"
  local size
  size=$(registry_dword "$root\\$uninstall_key" EstimatedSize)
  [ "${size:-0}" -gt 10000 ] || fail "$what: EstimatedSize is ${size:-missing}, not the size in KB"
  for file in french-test.exe LICENSE.txt uninstall.exe; do
    [ -f "$dir/$file" ] || fail "$what: $file is missing in $folder"
  done
  [ -f "$shortcut" ] || fail "$what: no Start-menu shortcut at $shortcut"
}
expect_gone() {  # what, registry root, unix folder, shortcut path
  local location
  [ ! -e "$3" ] || fail "$1: $3 is still there: $(ls -A "$3")"
  [ ! -e "$4" ] || fail "$1: the shortcut $4 is still there"
  location=$(registry_value "$2\\$uninstall_key" InstallLocation) || exit 1
  [ -z "$location" ] || fail "$1: the entry under $2 is still there"
}
expect_status() {  # what, wanted (0 or 'non-zero'), status
  if [ "$2" = 0 ]; then
    [ "$3" -eq 0 ] || fail "$1: exit status $3"
  else
    [ "$3" -ne 0 ] || fail "$1: succeeded where it must refuse"
  fi
}

version_of() {  # setup.exe: its ProductVersion
  wrestool --extract --type=16 --raw "$1" | iconv -f UTF-16LE -t UTF-8 -c | tr -d '\000' \
    | grep -a -o 'ProductVersion[0-9.]*' | head -n 1 | sed 's/ProductVersion//'
}
old_version=$(version_of "$setup")
new_version=$(version_of "$newer")
[ -n "$old_version" ] && [ -n "$new_version" ] && [ "$old_version" != "$new_version" ] \
  || fail "the two installers must carry two versions (found '$old_version' and '$new_version')"

user_link="$user_menu/French Test (this user).lnk"
all_link="$all_menu/French Test.lnk"

start_virtual_display
started_pid=
cleanup() {
  [ -z "$started_pid" ] || kill "$started_pid" 2>/dev/null || true
  stop_virtual_display
  rm -f "$run_log"
}
trap cleanup EXIT

# The program's window, by its title, on the virtual display: 60 s at most.
wait_for_window() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name '^TEST 1' >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}

# A folder that cannot be written: refused, nothing installed.
run "$(setup_line "$setup_win" /CurrentUser '/D=Z:\proc\French Test')"
expect_status "a folder that cannot be written" non-zero "$status"
location=$(registry_value "HKEY_CURRENT_USER\\$uninstall_key" InstallLocation) || exit 1
[ -z "$location" ] || fail "an install into an unwritable folder left an entry"
echo "unwritable folder: refused with status $status, nothing installed"

# The running program: a per-user install in a folder without spaces first, as the uninstaller
# gives its own exit status only when told its folder with _?=, which takes no quotes.
run_folder='C:\users\Студент\FrenchTest'
run_dir=$(unix_path "$run_folder")
run "$(setup_line "$setup_win" /CurrentUser "/D=$run_folder")"
expect_status "/CurrentUser into $run_folder" 0 "$status"
expect_installed "/CurrentUser" HKEY_CURRENT_USER "$run_folder" "French Test (this user)" "$old_version" "$user_link"
wine "$run_folder\\french-test.exe" >/dev/null 2>&1 &
started_pid=$!
wait_for_window || fail "the installed program showed no window within 60 s"
echo "/CurrentUser: the installed program opens its window"
# While it runs: a silent install over it and a silent uninstall both refuse and change nothing.
before=$(md5sum "$run_dir/french-test.exe")
run_now "$(setup_line "$newer_win" /CurrentUser)"
expect_status "installing over the running program" non-zero "$status"
run_now "$run_folder\\uninstall.exe /S _?=$run_folder"
expect_status "uninstalling the running program" non-zero "$status"
[ "$(md5sum "$run_dir/french-test.exe")" = "$before" ] || fail "the running program's file was changed"
expect_installed "with the program running" HKEY_CURRENT_USER "$run_folder" "French Test (this user)" "$old_version" "$user_link"
kill "$started_pid" 2>/dev/null || true
wait "$started_pid" 2>/dev/null || true
started_pid=
wineserver --kill
wineserver --wait
echo "running program: install and uninstall refused, files and entry untouched"
run "$run_folder\\uninstall.exe" /S
expect_status "uninstalling $run_folder" 0 "$status"
expect_gone "uninstalling $run_folder" HKEY_CURRENT_USER "$run_dir" "$user_link"

# Per user, into a folder with spaces and Cyrillic letters.
run "$(setup_line "$setup_win" /CurrentUser "/D=$user_folder")"
expect_status "/CurrentUser $old_version" 0 "$status"
expect_installed "/CurrentUser" HKEY_CURRENT_USER "$user_folder" "French Test (this user)" "$old_version" "$user_link"
echo "/CurrentUser: $old_version installed in $user_folder"

# A second installer while one is open: the first waits on its first page.
echo "> $setup /CurrentUser, left open" >"$run_log"
WINEDEBUG=-all,err+all wine "$setup_win" /CurrentUser >>"$run_log" 2>&1 &
first=$!
for _ in $(seq 300); do
  xdotool search --onlyvisible --name 'French Test' >/dev/null 2>&1 && break
  sleep 0.2
done
if ! xdotool search --onlyvisible --name 'French Test' >/dev/null 2>&1; then
  kill -0 "$first" 2>/dev/null && state="still running" || state="ended"
  windows=$(xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | paste -sd '|' -)
  fail "the first installer showed no window within 60 s ($state; windows shown: ${windows:-none})"
fi
run_now "$(setup_line "$newer_win" /CurrentUser)"
kill "$first" 2>/dev/null || true
wineserver --kill
wait "$first" 2>/dev/null || true
wineserver --wait
expect_status "a second installer at once" non-zero "$status"
expect_installed "after the second installer" HKEY_CURRENT_USER "$user_folder" "French Test (this user)" "$old_version" "$user_link"
echo "second installer at once: refused with status $status"

# An upgrade goes into the folder of the earlier install, /D= or not; a downgrade is refused.
run "$(setup_line "$newer_win" /CurrentUser)"
expect_status "/CurrentUser upgrade" 0 "$status"
expect_installed "/CurrentUser upgrade" HKEY_CURRENT_USER "$user_folder" "French Test (this user)" "$new_version" "$user_link"
run "$(setup_line "$setup_win" /CurrentUser)"
expect_status "/CurrentUser downgrade" non-zero "$status"
expect_installed "/CurrentUser downgrade" HKEY_CURRENT_USER "$user_folder" "French Test (this user)" "$new_version" "$user_link"
echo "/CurrentUser: upgraded in place to $new_version; $old_version over it refused"

# For all users beside it, then upgraded; each is its own entry and shortcut.
run "$(setup_line "$setup_win" /AllUsers)"
expect_status "/AllUsers $old_version" 0 "$status"
expect_installed "/AllUsers" HKEY_LOCAL_MACHINE "$all_folder" "French Test" "$old_version" "$all_link"
run "$(setup_line "$newer_win" /AllUsers)"
expect_status "/AllUsers upgrade" 0 "$status"
expect_installed "/AllUsers upgrade" HKEY_LOCAL_MACHINE "$all_folder" "French Test" "$new_version" "$all_link"
expect_installed "beside /AllUsers" HKEY_CURRENT_USER "$user_folder" "French Test (this user)" "$new_version" "$user_link"
echo "/AllUsers: installed beside the per-user copy in $all_folder and upgraded to $new_version"

# The per-user uninstaller run directly by an administrator removes the per-user copy only.
run "$user_folder\\uninstall.exe" /S
expect_status "per-user uninstaller run by an administrator" 0 "$status"
expect_gone "per-user uninstall" HKEY_CURRENT_USER "$user_dir" "$user_link"
expect_installed "after the per-user uninstall" HKEY_LOCAL_MACHINE "$all_folder" "French Test" "$new_version" "$all_link"
echo "/CurrentUser: its uninstaller, run by an administrator, removed only the per-user copy"

run "$all_folder\\uninstall.exe" /S

expect_status "all-users uninstall" 0 "$status"
expect_gone "all-users uninstall" HKEY_LOCAL_MACHINE "$all_dir" "$all_link"
echo "/AllUsers: uninstalled without a trace"

# The MSI, installed for all users, owns Program Files\French Test: the all-users install
# refuses while its mark is there, and the per-user one does not mind it.
wine reg add 'HKLM\Software\French Test' /v InstalledBy /t REG_SZ /d msi /reg:64 /f >/dev/null 2>&1
run "$(setup_line "$setup_win" /AllUsers)"
expect_status "/AllUsers beside the MSI" non-zero "$status"
location=$(registry_value "HKEY_LOCAL_MACHINE\\$uninstall_key" InstallLocation) || exit 1
[ -z "$location" ] || fail "/AllUsers beside the MSI left an entry"
wine reg delete 'HKLM\Software\French Test' /reg:64 /f >/dev/null 2>&1
wineserver --wait
echo "/AllUsers: refused while the MSI is installed"

# Wine takes its display language from the locale (which must exist: tools/windows.sh makes
# uk_UA.UTF-8): in Ukrainian the shortcut is named in Ukrainian, and the uninstaller, run in
# English, still removes it.
locale -a | grep -qix 'uk_UA.utf8' || fail "no uk_UA.UTF-8 locale to run the installer in Ukrainian"
uk_link="$user_menu/Тест з французької мови (цей користувач).lnk"
LC_ALL=uk_UA.UTF-8 run "$setup_win" /S /CurrentUser
expect_status "/CurrentUser in Ukrainian" 0 "$status"
[ -f "$uk_link" ] || fail "in Ukrainian the shortcut is not $uk_link"
location=$(registry_value "HKEY_CURRENT_USER\\$uninstall_key" InstallLocation) || exit 1
[ -n "$location" ] || fail "in Ukrainian the install left no entry"
LC_ALL=C.UTF-8 run "$location\\uninstall.exe" /S
expect_status "uninstalling in English" 0 "$status"
expect_gone "uninstalling in English" HKEY_CURRENT_USER "$(unix_path "$location")" "$uk_link"
echo "Ukrainian: the shortcut is named in Ukrainian and removed by name"
