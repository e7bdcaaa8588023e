#!/usr/bin/env bash
# The release is repeatable: the program built a second time, in another folder, from the same
# commit with the same Qt and toolchain, is the same file, and so is the zip made of it.
# Usage: repeat_check.sh FIRST_BUILD_DIR SECOND_BUILD_DIR LICENSE.txt VERSION
set -euo pipefail
first=$1 second=$2 license=$3 version=$4
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
fail() { echo "repeat check: $*" >&2; exit 1; }
: "${SOURCE_DATE_EPOCH:?set SOURCE_DATE_EPOCH, the time the release is dated}"
cache="$first/CMakeCache.txt"
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$cache")
qt=$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$cache")
toolchain=$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$cache")
publisher=$(sed -n 's/^FRENCH_TEST_PUBLISHER:[A-Z]*=//p' "$cache")

rm -rf "$second"
cmake -S "$source_dir" -B "$second" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_PREFIX_PATH="$qt" -DFRENCH_TEST_PUBLISHER="$publisher" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$second" -j"$(nproc)" --target french-test >/dev/null
cmp "$first/french-test.exe" "$second/french-test.exe" \
  || fail "french-test.exe built in $second differs from the one in $first"
echo "repeat check: french-test.exe built again in another folder is byte-identical"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for build in "$first" "$second"; do
  touch "$build/french-test.exe"  # the time on the file must not matter
  python3 "$here/zip.py" "$scratch/$(basename "$build").zip" "french-test-$version-win64" \
    "french-test.exe=$build/french-test.exe" "LICENSE.txt=$license"
done
cmp "$scratch/$(basename "$first").zip" "$scratch/$(basename "$second").zip" || fail "the two zips differ"
echo "repeat check: the zip made of it is byte-identical"
