#!/usr/bin/env bash
# The MSI (packaging/windows/french-test.wxs) with Debian's wixl: for all users, 64-bit, and the
# same bytes from the same files: the product code follows the version, the package code the
# content, and the dates and the cabinet's file times are SOURCE_DATE_EPOCH (tools/windows/msi_codes.py).
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
[[ ${SOURCE_DATE_EPOCH:-} =~ ^[0-9]+$ ]] || fail "set SOURCE_DATE_EPOCH, the time the release is dated"

# wixl takes only relative paths, found beside the .wxs (Icon) or in -I folders (File): all
# of it is gathered in one folder.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/french-test.exe"
cp "$license" "$stage/LICENSE.txt"
cp "$icon" "$stage/french-test.ico"
cp "$root_dir/packaging/windows/french-test.wxs" "$stage/"
# The cabinet keeps each file's time.
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
upgrade_code=$(sed -n 's/.*UpgradeCode="\([0-9A-F-]*\)".*/\1/p' "$stage/french-test.wxs")
[ -n "$upgrade_code" ] || fail "french-test.wxs names no UpgradeCode"
product_code=$(/usr/bin/python3 "$root_dir/tools/windows/msi_codes.py" product "$upgrade_code" "$version") \
  || fail "no product code for $version"
outfile=$(realpath -m "$outfile")
if ! wixl -a x64 -o "$outfile.part" -I "$stage" \
    -D Version="$version" -D Manufacturer="${publisher:-French Test}" \
    -D ProductCode="$(tr -d '{}' <<<"$product_code")" \
    -D Exe=french-test.exe -D License=LICENSE.txt -D Icon=french-test.ico \
    "$stage/french-test.wxs" 2>"$stage/log"; then
  rm -f "$outfile.part"
  fail "wixl failed: $(grep -m1 . "$stage/log" || echo 'no message')"
fi
/usr/bin/python3 "$root_dir/tools/windows/msi_codes.py" package "$outfile.part" "$SOURCE_DATE_EPOCH" >/dev/null \
  || { rm -f "$outfile.part"; fail "the package code and dates could not be written"; }
mv "$outfile.part" "$outfile"
