#!/bin/sh
# Builds the Debian package from the build tree into a scratch directory and checks it:
# computed dependencies, version, file layout, rendered icons, and the installed tree's metadata.
# Usage: check_deb.sh CPACK CPACK_CONFIG APP_ID VERSION
set -eu
cpack=$1 config=$2 id=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

"$cpack" -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack -G DEB failed" >&2
  exit 1
}
set -- "$work"/out/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "FAIL: expected one .deb, got: $*" >&2; exit 1; }
deb=$1
echo "built $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Whole package names only: libqt5widgets5 must come from dpkg-shlibdeps, the font from us.
for package in libqt5widgets5 libqt5gui5 libqt5core5a libc6 fonts-crosextra-carlito; do
  printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' | grep -qx "$package" ||
    fail "Depends lacks $package"
done
[ "$(dpkg-deb -f "$deb" Package)" = french-test ] || fail "package name is not french-test"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "package section is not education"

dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share
for file in usr/bin/french-test \
            usr/share/applications/$id.desktop \
            usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/$id.svg; do
  [ -f "$work/root/$file" ] || fail "package lacks /$file"
done
[ -x "$work/root/usr/bin/french-test" ] || fail "/usr/bin/french-test is not executable"
for size in 16 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ -f "$png" ]; then
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png is not a ${size}x${size} PNG"
  else
    fail "package lacks the ${size}x${size} icon"
  fi
done
# Nothing outside /usr: a package must not drop files into /usr/local or the build tree.
extra=$(cd "$work/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$extra" ] || fail "package installs outside /usr: $extra"

# The installed tree as a whole: metainfo, its desktop entry and icon must be found together.
appstreamcli validate-tree --no-net --strict "$work/root" || fail "appstreamcli validate-tree rejected the package tree"
report=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) && [ -z "$report" ] || {
  printf '%s\n' "$report" >&2
  fail "installed desktop entry is invalid"
}

exit $status
