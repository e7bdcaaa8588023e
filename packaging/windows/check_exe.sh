#!/bin/sh
# The Windows program is one file that runs on a bare Windows PC: a GUI-subsystem executable
# that imports only DLLs Windows itself ships, with its icon and version resource inside.
# check_exe.sh <french-test.exe> <objdump> <Windows system32 folder, e.g. a Wine prefix's>
set -eu
exe=$1 objdump=$2 system32=$3
fail() { echo "FAIL: $*"; exit 1; }

headers=$("$objdump" -p "$exe")
echo "$headers" | grep -Eq '^Subsystem[[:space:]]+00000002' || fail "not a Windows GUI program"
dlls=$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -u)
[ -n "$dlls" ] || fail "no imports found"
for dll in $dlls; do
  case "$dll" in
    Qt5*|libstdc++*|libgcc*|libwinpthread*|lib*.dll) fail "imports $dll, which a bare Windows lacks" ;;
  esac
  found=$(find "$system32" -maxdepth 1 -iname "$dll" | head -n 1)
  [ -n "$found" ] || fail "imports $dll, which is not a Windows system DLL"
done
echo "imports only: $(echo "$dlls" | tr '\n' ' ')"

resources=$(wrestool --list "$exe")
echo "$resources" | grep -q -- '--type=14' || fail "no icon group resource"
echo "$resources" | grep -q -- '--type=16' || fail "no version resource"
version=$(wrestool --extract --type=16 --raw "$exe" | iconv -f UTF-16LE -t UTF-8 -c | tr -d '\000')
for field in ProductName FileDescription ProductVersion; do
  echo "$version" | grep -q "$field" || fail "version resource lacks $field"
done
echo "$version" | grep -q 'French Test' || fail "version resource does not name French Test"

# The manifest Windows reads before the program runs: a malformed one stops it from starting.
manifest=$(wrestool --extract --type=24 --raw "$exe" | tr -d '\r')
[ -n "$manifest" ] || fail "no application manifest"
for want in 'level="asInvoker"' '>true/pm<' '>PerMonitor<' 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
    '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}' \
    '{1f676c76-80e1-4239-95bb-83d0f6d0da78}' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
  echo "$manifest" | grep -qF "$want" || fail "the manifest lacks $want"
done
echo "$manifest" | xmllint --noout - || fail "the manifest is not well-formed XML"
echo "GUI subsystem, icon, version resource and manifest present"
