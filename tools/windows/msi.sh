#!/usr/bin/env bash
# The MSI (packaging/windows/french-test.wxs) with Debian's wixl: for all users, 64-bit.
# Usage: msi.sh <version x.y.z> <french-test.exe> <LICENSE.txt> <french-test.ico> <publisher, may be
# empty> <out.msi>
set -euo pipefail
fail() { echo "msi.sh: $*" >&2; exit 1; }
[ $# -eq 6 ] || fail "usage: msi.sh VERSION EXE LICENSE ICON PUBLISHER OUTFILE"
version=$1 exe=$2 license=$3 icon=$4 publisher=$5 outfile=$6
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# Windows Installer compares only the first three fields, each at most 255.255.65535.
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "version $version is not x.y.z"
for file in "$exe" "$license" "$icon"; do
  [ -f "$file" ] || fail "no file $file"
done
command -v wixl >/dev/null || fail "wixl is missing (Debian package wixl)"

# wixl takes only relative paths, found beside the .wxs (Icon) or in -I folders (File): all
# of it is gathered in one folder.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/french-test.exe"
cp "$license" "$stage/LICENSE.txt"
cp "$icon" "$stage/french-test.ico"
cp "$root_dir/packaging/windows/french-test.wxs" "$stage/"
outfile=$(realpath -m "$outfile")
if ! wixl -a x64 -o "$outfile.part" -I "$stage" \
    -D Version="$version" -D Manufacturer="${publisher:-French Test}" \
    -D Exe=french-test.exe -D License=LICENSE.txt -D Icon=french-test.ico \
    "$stage/french-test.wxs" 2>"$stage/log"; then
  rm -f "$outfile.part"
  fail "wixl failed: $(grep -m1 . "$stage/log" || echo 'no message')"
fi
mv "$outfile.part" "$outfile"
