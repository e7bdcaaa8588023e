#!/usr/bin/env bash
# Links French Test's object code in this kit against a static Qt 5.15 for Windows, with the
# MinGW-w64 g++ (POSIX threads), into french-test.exe. See README.txt.
# Usage: relink.sh QT_FOLDER [OUTPUT.exe]
set -euo pipefail
kit="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
fail() { echo "relink: $*" >&2; exit 1; }
[ $# -ge 1 ] || fail "usage: relink.sh QT_FOLDER [OUTPUT.exe]"
qt=$(cd "$1" 2>/dev/null && pwd) || fail "$1 is not a folder"
out=${2:-$PWD/french-test.exe}
compiler=x86_64-w64-mingw32-g++-posix
archiver=x86_64-w64-mingw32-ar
command -v "$compiler" >/dev/null || fail "$compiler is not installed (Debian: g++-mingw-w64-x86-64-posix)"

# The Qt must be configured as the one the objects were compiled against: its own build
# description (qconfig.pri and the module .pri files) says so.
differences=()
for expected in "$kit"/qt/mkspecs/qconfig.pri "$kit"/qt/mkspecs/modules/*.pri; do
  relative=${expected#"$kit/qt/"}
  actual="$qt/$relative"
  if [ ! -f "$actual" ]; then
    differences+=("$relative is missing")
    continue
  fi
  while IFS= read -r line; do
    key=${line%% =*}
    key=${key%% +=*}
    theirs=$(grep -F -x -- "$line" "$actual" || true)
    if [ -z "$theirs" ]; then
      other=$(grep -E "^$(printf '%s' "$key" | sed 's/[][\.*^$]/\\&/g') \+?=" "$actual" | head -n 1 || true)
      if [ -n "$other" ]; then
        # Word lists (features, configuration) are told apart word by word.
        lacks=$(comm -23 <(tr ' ' '\n' <<< "${line#*=}" | sort -u) <(tr ' ' '\n' <<< "${other#*=}" | sort -u) | xargs)
        adds=$(comm -13 <(tr ' ' '\n' <<< "${line#*=}" | sort -u) <(tr ' ' '\n' <<< "${other#*=}" | sort -u) | xargs)
        differences+=("$relative: $key${lacks:+ lacks: $lacks;}${adds:+ has in addition: $adds}")
      else
        differences+=("$relative: no $key (expected '$line')")
      fi
    fi
  done < <(grep -E '=' "$expected")
done
if [ ${#differences[@]} -gt 0 ]; then
  echo "relink: $qt is not a Qt configured as this kit needs (see configure-options.txt):" >&2
  printf '  %s\n' "${differences[@]}" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program's objects go in as one archive, whole, in the order they were linked.
mapfile -t objects < "$kit/objects.txt"
(cd "$kit/objects" && "$archiver" qcD "$work/objects.a" "${objects[@]}")
args=()
while IFS= read -r arg; do
  arg=${arg//@KIT@/$kit}
  arg=${arg//@QT@/$qt}
  arg=${arg//@WORK@/$work}
  arg=${arg//@OUT@/$out.part}
  args+=("$arg")
done < "$kit/link-arguments.txt"
"$compiler" "${args[@]}" || fail "the link failed"
mv -f "$out.part" "$out"
echo "relink: wrote $out"
