#!/usr/bin/env bash
# The Windows release of a cross-build, into a staging folder (the build's `release` target):
# the zip, the installer, the MSI, the relink kit, Qt's source and LICENSE.txt. Beside it, in a
# work folder, what the release checks need: Qt's source unpacked, the program as packed and an
# installer one patch version up. Nothing here checks; CTest's release tests do.
# Usage: release.sh BUILD_DIR QT_PREFIX VERSION PUBLISHER STAGE_DIR WORK_DIR
set -euo pipefail
fail() { echo "release.sh: $*" >&2; exit 1; }
[ $# -eq 6 ] || fail "usage: release.sh BUILD_DIR QT_PREFIX VERSION PUBLISHER STAGE_DIR WORK_DIR"
build_dir=$1 qt_prefix=$2 version=$3 publisher=$4 stage=$5 work=$6
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root_dir="$(cd "$here/../.." && pwd)"
[[ ${SOURCE_DATE_EPOCH:-} =~ ^[0-9]+$ ]] || fail "set SOURCE_DATE_EPOCH, the time the release is dated"
export TZ=UTC
kit="french-test-$version-relink-kit.zip"

# Made whole or not at all: what an earlier or a failed run left goes first.
rm -rf "$stage" "$work"
mkdir -p "$stage/qt-source" "$work"
trap '[ $? -eq 0 ] || rm -rf "$stage" "$work"' EXIT

"$here/relink_kit.sh" "$build_dir" "$qt_prefix" "$version" "$stage/$kit"
for file in "$qt_prefix"/source/*.dsc "$qt_prefix"/source/*.tar.*; do
  cp -p "$file" "$stage/qt-source/"
done

dpkg-source --no-check -x "$stage"/qt-source/*.dsc "$work/qt-src" >/dev/null
release_files=("$kit=$stage/$kit")
for file in "$stage"/qt-source/*; do release_files+=("qt-source/$(basename "$file")=$file"); done
/usr/bin/python3 "$here/notices.py" write --qt "$qt_prefix" --tree "$work/qt-src" \
  --link "$build_dir/CMakeFiles/french-test.dir/linkLibs.rsp" --version "$version" \
  --release-file "${release_files[@]}" --out "$stage/LICENSE.txt"

"$here/package.sh" "$build_dir" "$version" "$publisher" "$stage/LICENSE.txt" "$stage"
# The program as packed (signed, when signing) is no release file of its own.
mv "$stage/french-test.exe" "$work/french-test.exe"
# The upgrade is checked against the same program one patch version up.
newer_version="${version%.*}.$(( ${version##*.} + 1 ))"
makensis -V2 -DVERSION="$newer_version" -DEXE="$build_dir/french-test.exe" -DLICENSE_FILE="$stage/LICENSE.txt" \
  -DICON="$build_dir/packaging/windows/french-test.ico" -DPUBLISHER="$publisher" \
  -DOUTFILE="$work/setup-newer.exe" "$root_dir/packaging/windows/installer.nsi"
echo "release.sh: the release of $version is in $stage"
