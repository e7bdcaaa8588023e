#!/usr/bin/env bash
# The relink kit does what it says: relinked against the cached Qt in a scratch folder it gives
# the released, unsigned french-test.exe byte for byte; against a Qt configured otherwise it
# refuses with the difference, and writes no program.
# Usage: kit_check.sh KIT.zip QT_PREFIX french-test.exe
set -euo pipefail
kit_zip=$1 qt=$2 exe=$3
fail() { echo "kit check: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
python3 -m zipfile -e "$kit_zip" "$scratch/kit"
relink=$(find "$scratch/kit" -maxdepth 2 -name relink.sh | head -n 1)
[ -n "$relink" ] || fail "$kit_zip holds no relink.sh"

(cd "$scratch" && bash "$relink" "$qt" "$scratch/relinked.exe" >/dev/null) || fail "relinking against $qt failed"
cmp -s "$scratch/relinked.exe" "$exe" || fail "the relinked program differs from $exe"
echo "kit check: relinked against $qt, identical to $exe"

# A Qt that differs only in its configuration: the same libraries, one feature less.
other="$scratch/other-qt"
mkdir -p "$other"
for entry in "$qt"/*; do ln -s "$entry" "$other/$(basename "$entry")"; done
rm "$other/mkspecs"
cp -r "$qt/mkspecs" "$other/mkspecs"
sed -i "s/^\(QT.gui.enabled_features = \)accessibility /\1/" "$other/mkspecs/modules/qt_lib_gui.pri"
cmp -s "$qt/mkspecs/modules/qt_lib_gui.pri" "$other/mkspecs/modules/qt_lib_gui.pri" \
  && fail "could not make a differently configured Qt to try"
if message=$(cd "$scratch" && bash "$relink" "$other" "$scratch/wrong.exe" 2>&1); then
  fail "relinking against a Qt without accessibility succeeded"
fi
echo "$message" | grep -q 'qt_lib_gui.pri' || fail "the refusal does not name the file that differs: $message"
[ ! -e "$scratch/wrong.exe" ] && [ ! -e "$scratch/wrong.exe.part" ] || fail "a refused relink left a program behind"
echo "kit check: a Qt configured otherwise is refused: $(echo "$message" | sed -n 2p | sed 's/^ *//')"
