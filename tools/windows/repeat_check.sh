#!/usr/bin/env bash
# The release is repeatable: built a second time, in another folder, from the same commit with
# the same Qt and toolchain, the program is the same file, and every release file made of it (the
# zip, the installer, the MSI, the relink kit, Qt's source, LICENSE.txt) is the same bytes as the
# staged release's, and so is their SHA256SUMS. Signatures are no part of it: with signing on,
# the first build's release is made again unsigned to compare with.
# Usage: repeat_check.sh SOURCE_DIR TOOLCHAIN QT_PREFIX VERSION PUBLISHER FIRST_BUILD_DIR STAGE_DIR
#   SCRATCH_DIR
set -euo pipefail
fail() { echo "repeat check: $*" >&2; exit 1; }
[ $# -eq 8 ] || fail "usage: repeat_check.sh SOURCE_DIR TOOLCHAIN QT_PREFIX VERSION PUBLISHER FIRST_BUILD STAGE SCRATCH"
source_dir=$1 toolchain=$2 qt=$3 version=$4 publisher=$5 first=$6 stage=$7 scratch=$8
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
: "${SOURCE_DATE_EPOCH:?set SOURCE_DATE_EPOCH, the time the release is dated}"
[ -f "$stage/LICENSE.txt" ] || fail "no release in $stage: build the release target first"
second="$scratch/build"

rm -rf "$scratch"
mkdir -p "$scratch"
cmake -S "$source_dir" -B "$second" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_PREFIX_PATH="$qt" -DFRENCH_TEST_PUBLISHER="$publisher" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$second" -j"$(nproc)" --target french-test >/dev/null
cmp "$first/french-test.exe" "$second/french-test.exe" \
  || fail "french-test.exe built in $second differs from the one in $first"
echo "repeat check: french-test.exe built again in another folder is byte-identical"

unsigned() { env -u FRENCH_TEST_SIGN_PKCS12 -u FRENCH_TEST_SIGN_PASSWORD_FILE "$@"; }
# The time on the program's file must not matter.
touch "$second/french-test.exe"
unsigned "$here/release.sh" "$second" "$qt" "$version" "$publisher" "$scratch/stage" "$scratch/work" >/dev/null
reference=$stage
if "$here/sign.sh" --enabled; then
  unsigned "$here/release.sh" "$first" "$qt" "$version" "$publisher" "$scratch/first-stage" \
    "$scratch/first-work" >/dev/null
  reference="$scratch/first-stage"
fi

sums() { (cd "$1" && find . -type f | LC_ALL=C sort | xargs sha256sum); }
first_sums=$(sums "$reference")
second_sums=$(sums "$scratch/stage")
[ "$(wc -l <<<"$first_sums")" -ge 7 ] || fail "the release in $reference holds only: $first_sums"
if [ "$first_sums" != "$second_sums" ]; then
  fail "the release made again differs: $(diff <(echo "$first_sums") <(echo "$second_sums") | sed -n 's/^[<>] //p' | tr '\n' ' ')"
fi
echo "repeat check: every release file made again is byte-identical:"
while IFS= read -r line; do echo "  $line"; done <<<"$first_sums"
rm -rf "$scratch"
