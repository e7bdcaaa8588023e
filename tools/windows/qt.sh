#!/usr/bin/env bash
# Builds Qt for 64-bit Windows, static, from Debian's own qtbase source, once: the result is
# kept in a cache directory keyed by the source version and the configure options, and reused.
# Prints the installed prefix as its last line. With --cached it only says whether it is there
# (exit status 1 when it is not), and builds nothing.
set -euo pipefail
only_cached=false
[ "${1:-}" = "--cached" ] && only_cached=true
cache_root="${FRENCH_TEST_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/french-test}"
jobs="$(nproc)"

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# apt-get source needs a deb-src entry; Debian 12 images often ship without one.
if ! apt-get source -qq --print-uris qtbase-opensource-src >/dev/null 2>&1; then
  echo "Adding a deb-src entry for bookworm main" >&2
  "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/french-test-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  "${sudo_cmd[@]}" apt-get update -qq
fi
dsc=$(apt-get source -qq --print-uris qtbase-opensource-src | grep -o "qtbase-opensource-src_[^']*\.dsc" | head -n 1)
version=${dsc#qtbase-opensource-src_}
version=${version%.dsc}
version=${version//%2b/+}

# Core, Gui, Widgets and Test with the windows and offscreen platforms; Windows ships no
# wintab.h in Debian's source, hence no tablet events.
options=(-xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
         -release -static -static-runtime -opensource -confirm-license
         -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-feature-sql
         -no-feature-tabletevent -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-pcre
         -qt-harfbuzz)
key=$(printf '%s\n' "$version" "${options[@]}" | sha256sum | cut -c1-10)
prefix="$cache_root/qt-$version-mingw64-static-$key"

if [ -f "$prefix/.complete" ]; then
  echo "Reusing Qt $version for Windows from $prefix" >&2
  echo "$prefix"
  exit 0
fi
if $only_cached; then
  echo "No Qt $version for Windows in $prefix" >&2
  exit 1
fi

echo "Building Qt $version for Windows into $prefix (about half an hour on two cores)" >&2
work="$cache_root/work-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work"
start=$(date +%s)
(
  cd "$work"
  apt-get source -qq qtbase-opensource-src >/dev/null 2>&1
  source_dir=$(find . -maxdepth 1 -type d -name 'qtbase-opensource-src-*' | head -n 1)
  mkdir build
  cd build
  "../$source_dir/configure" -prefix "$prefix" "${options[@]}" > configure.log 2>&1 \
    || { tail -n 40 configure.log >&2; exit 1; }
  make -j"$jobs" > make.log 2>&1 || { grep -m 20 -B 2 -A 8 'rror' make.log >&2; exit 1; }
  make install > install.log 2>&1 || { tail -n 40 install.log >&2; exit 1; }
  # The licence texts of the sources built, for the notices that go with the program.
  cd "../$source_dir"
  find LICENSE.LGPL3 LICENSE.GPL3 src/3rdparty -maxdepth 2 \( -name qt_attribution.json \
      -o -iname 'licen[cs]e*' -o -iname 'copying*' -o -iname '*-license.txt' \) -type f \
    | while read -r file; do install -D -m 644 "$file" "$prefix/licenses/$file"; done
)
end=$(date +%s)
printf '%s\n' "$version" > "$prefix/.source-version"
printf '%s\n' "$((end - start))" > "$prefix/.build-seconds"
rm -rf "$work"
touch "$prefix/.complete"
echo "Qt built in $(( (end - start) / 60 )) min" >&2
echo "$prefix"
