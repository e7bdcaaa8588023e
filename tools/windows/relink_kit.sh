#!/usr/bin/env bash
# Makes the relink kit of the Windows program from a finished cross-build: the program's own
# object code as it was linked, the link's arguments with the Qt folder left open, the Qt
# build description the objects need, and relink.sh with its README.
# Usage: relink_kit.sh BUILD_DIR QT_PREFIX VERSION OUT.zip
set -euo pipefail
build=$(cd "$1" && pwd)
qt=$(cd "$2" && pwd)
version=$3
out=$4
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
fail() { echo "relink kit: $*" >&2; exit 1; }
target="$build/CMakeFiles/french-test.dir"
[ -f "$target/link.txt" ] || fail "$target/link.txt is missing: build french-test first"

name="french-test-$version-relink-kit"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
kit="$stage/$name"
mkdir -p "$kit/objects" "$kit/qt/mkspecs/modules"

# CMake links the executable's objects as one archive (ar, then g++ with --whole-archive):
# the archive's members, in order, and the g++ line, with response files opened.
ar_line=$(grep -E -m 1 -- '-ar qc ' "$target/link.txt") || fail "no archive step in link.txt"
link_line=$(grep -E -m 1 -- '-g\+\+(-posix)? ' "$target/link.txt") || fail "no link step in link.txt"
expand() {  # words, with @file replaced by the file's words (relative to the build folder)
  local word
  for word in "$@"; do
    if [[ $word == @* ]]; then
      # shellcheck disable=SC2046 # a response file holds words
      expand $(cat "$build/${word#@}")
    else
      word=${word#\"}
      printf '%s\n' "${word%\"}"
    fi
  done
}
read -r -a ar_words <<< "$ar_line"
objects_archive=${ar_words[2]}
: > "$kit/objects.txt"
while IFS= read -r object; do
  base=$(basename "$object")
  [ ! -e "$kit/objects/$base" ] || fail "two objects named $base"
  cp "$build/$object" "$kit/objects/$base"
  echo "$base" >> "$kit/objects.txt"
done < <(expand "${ar_words[@]:3}")

read -r -a link_words <<< "$link_line"
: > "$kit/link-arguments.txt"
skip_next=false
while IFS= read -r word; do
  if $skip_next; then skip_next=false; echo "@OUT@" >> "$kit/link-arguments.txt"; continue; fi
  case "$word" in
    "$objects_archive") word="@WORK@/objects.a" ;;
    -o) skip_next=true ;;
    -Wl,-Map=*) continue ;;  # the map is for the licence check; it changes nothing linked
    -Wl,--out-implib,*) word="-Wl,--out-implib,@WORK@/${word##*,}" ;;
    "$qt"/*) word="@QT@/${word#"$qt"/}" ;;
    /*) ;;
    -*) ;;
    *)
      [ -f "$build/$word" ] || fail "the link names $word, which is not in the build"
      cp "$build/$word" "$kit/objects/$(basename "$word")"
      word="@KIT@/objects/$(basename "$word")"
      ;;
  esac
  echo "$word" >> "$kit/link-arguments.txt"
done < <(expand "${link_words[@]:1}")
grep -q -- '^@OUT@$' "$kit/link-arguments.txt" || fail "the link line names no output"
if grep -n -F "$build" "$kit/link-arguments.txt" >&2; then fail "the link arguments still name the build folder"; fi

cp "$qt/mkspecs/qconfig.pri" "$kit/qt/mkspecs/"
for module in core gui widgets; do
  cp "$qt/mkspecs/modules/qt_lib_$module.pri" "$qt/mkspecs/modules/qt_lib_${module}_private.pri" \
    "$kit/qt/mkspecs/modules/"
done
sed 's/-prefix [^ ]* /-prefix <Qt folder> /' "$qt/build-record/configure-command" > "$kit/configure-options.txt"
cp "$root/packaging/windows/relink/relink.sh" "$root/packaging/windows/relink/README.txt" "$kit/"

items=()
while IFS= read -r file; do items+=("${file#"$kit"/}=$file"); done < <(find "$kit" -type f | LC_ALL=C sort)
rm -f "$out"
python3 "$here/zip.py" "$out" "$name" "${items[@]}"
