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
echo "imports only: $(echo $dlls)"

resources=$(wrestool --list "$exe")
echo "$resources" | grep -q -- '--type=14' || fail "no icon group resource"
echo "$resources" | grep -q -- '--type=16' || fail "no version resource"
version=$(wrestool --extract --type=16 --raw "$exe" | iconv -f UTF-16LE -t UTF-8 -c | tr -d '\000')
for field in ProductName FileDescription ProductVersion; do
  echo "$version" | grep -q "$field" || fail "version resource lacks $field"
done
echo "$version" | grep -q 'French Test' || fail "version resource does not name French Test"
echo "GUI subsystem, icon and version resource present"
