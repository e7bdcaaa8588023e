#!/usr/bin/env bash
# The recipe for the static Windows Qt: configures, builds and installs qtbase from the Debian
# source files in SOURCE_DIR into PREFIX, and keeps what the licence notices and the relink kit
# need later, when the build tree is gone. Run by qt.sh; its own text is part of the cache key,
# so any change here builds Qt anew.
# Usage: qt-build.sh SOURCE_DIR WORK_DIR PREFIX JOBS, or qt-build.sh --options
set -euo pipefail

# Core, Gui, Widgets and Test with the windows and offscreen platforms, the windowsvista style
# and the default image formats: what the program, the tests, the tools and the relink kit link.
# Network, Xml, Concurrent, PrintSupport and the Direct2D platform would only lengthen the build.
# Windows ships no wintab.h in Debian's source, hence no tablet events.
options=(-xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
         -release -static -static-runtime -opensource -confirm-license
         -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-feature-sql
         -no-feature-network -no-feature-xml -no-feature-concurrent -no-feature-printer
         -no-direct2d -no-feature-tabletevent -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype
         -qt-pcre -qt-harfbuzz)
if [ "${1:-}" = "--options" ]; then
  printf '%s\n' "${options[@]}"
  exit 0
fi
source_files=$1 work=$2 prefix=$3 jobs=$4

mkdir -p "$work"
cd "$work"
dpkg-source --no-check -x "$source_files"/*.dsc src >/dev/null
mkdir build
cd build
record="$prefix/build-record"
mkdir -p "$record"
# The exact command, for the licence file and the relink kit.
printf '%q ' ../src/configure -prefix "$prefix" "${options[@]}" > "$record/configure-command"
echo >> "$record/configure-command"
../src/configure -prefix "$prefix" "${options[@]}" > configure.log 2>&1 \
  || { tail -n 40 configure.log >&2; exit 1; }
make -j"$jobs" > make.log 2>&1 || { grep -m 20 -B 2 -A 8 'rror' make.log >&2; exit 1; }
make install > install.log 2>&1 || { tail -n 40 install.log >&2; exit 1; }

# Which sources went into which library: the generated Makefiles name every compiled file and
# the headers it depends on, and the log has every compile line. The notices are found from
# these, so nothing linked in depends on a hand-kept list.
cp config.summary configure.log "$record/"
find . -name 'Makefile*' -type f | LC_ALL=C sort | tar -cJf "$record/makefiles.tar.xz" -T -
xz -9 < make.log > "$record/make.log.xz"
