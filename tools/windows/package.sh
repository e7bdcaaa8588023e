#!/usr/bin/env bash
# The zip, the installer and the MSI of a cross-build, into a folder: signed when
# FRENCH_TEST_SIGN_PKCS12 and FRENCH_TEST_SIGN_PASSWORD_FILE are set (tools/windows/sign.sh), with
# the program as packed left beside them as french-test.exe. Every date inside is
# SOURCE_DATE_EPOCH's.
# Usage: package.sh BUILD_DIR VERSION PUBLISHER LICENSE.txt OUT_DIR
set -euo pipefail
fail() { echo "package.sh: $*" >&2; exit 1; }
[ $# -eq 5 ] || fail "usage: package.sh BUILD_DIR VERSION PUBLISHER LICENSE.txt OUT_DIR"
build_dir=$1 version=$2 publisher=$3 license=$4 folder=$5
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root_dir="$(cd "$here/../.." && pwd)"
[[ ${SOURCE_DATE_EPOCH:-} =~ ^[0-9]+$ ]] || fail "set SOURCE_DATE_EPOCH, the time the release is dated"
export TZ=UTC
zip_name="french-test-$version-win64"
icon="$build_dir/packaging/windows/french-test.ico"
mkdir -p "$folder"

sign_command=()
cp "$build_dir/french-test.exe" "$folder/french-test.exe"
if "$here/sign.sh" --enabled; then
  "$here/sign.sh" "$folder/french-test.exe"
  sign_command=(-DSIGN_COMMAND="$here/sign.sh")
fi
# The installer keeps its files' times: the commit's, as in the zip.
touch -d "@$SOURCE_DATE_EPOCH" "$folder/french-test.exe" "$license"
/usr/bin/python3 "$here/zip.py" "$folder/$zip_name.zip" "$zip_name" \
  "french-test.exe=$folder/french-test.exe" "LICENSE.txt=$license"
makensis -V2 -DVERSION="$version" -DEXE="$folder/french-test.exe" -DLICENSE_FILE="$license" \
  -DICON="$icon" -DPUBLISHER="$publisher" "${sign_command[@]}" \
  -DOUTFILE="$folder/french-test-$version-setup.exe" "$root_dir/packaging/windows/installer.nsi"
"$here/msi.sh" "$version" "$folder/french-test.exe" "$license" "$icon" "$publisher" \
  "$folder/french-test-$version-x64.msi"
if "$here/sign.sh" --enabled; then "$here/sign.sh" "$folder/french-test-$version-x64.msi"; fi
