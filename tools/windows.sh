#!/usr/bin/env bash
# The Windows release, built and proved on Debian 12: installs what is missing, builds a static
# Qt for Windows once (kept in ~/.cache with its source), cross-builds french-test.exe and the
# test suite, runs the tests and the real window under Wine, and makes the release: the zip,
# the installer, the MSI, the relink kit and Qt's source, with the licence file and SHA256SUMS.
# Signs them when FRENCH_TEST_SIGN_PKCS12 and FRENCH_TEST_SIGN_PASSWORD_FILE are set.
# Everything lands in build-windows/ (or $WINDOWS_BUILD_DIR), and the release only once every
# test and check has passed.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tools="$root_dir/tools/windows"
out_dir=$(realpath -m "${WINDOWS_BUILD_DIR:-$root_dir/build-windows}")
build_dir="$out_dir/build"
jobs="$(nproc)"
started=$(date +%s)
# phase NAME: how long since the last phase (or the start), for the summary at the end.
phases=() phase_start=$started
phase() {
  local now
  now=$(date +%s)
  phases+=("$(printf '  %-22s %3d min %02d s' "$1" $(( (now - phase_start) / 60 )) $(( (now - phase_start) % 60 )))")
  phase_start=$now
}

# Cross compiler, Qt's source and what building it needs, Wine with its own fonts, NSIS, wixl
# and osslsigncode, libmsi for the MSI's codes and dates; icon tools; a virtual display and what
# drives and photographs the window.
"$root_dir/tools/install_packages.sh" g++ cmake make dpkg-dev xz-utils perl python3 \
  g++-mingw-w64-x86-64-posix wine wine64 fonts-wine fonts-crosextra-carlito nsis msitools wixl \
  osslsigncode openssl libxml2-utils librsvg2-bin icoutils xvfb xdotool imagemagick \
  python3-fonttools python3-gi gir1.2-libmsi-1.0 locales
# The installer is also run in Ukrainian, which Wine takes from the locale.
if ! locale -a | grep -qix 'uk_UA.utf8'; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" localedef -i uk_UA -f UTF-8 uk_UA.UTF-8
fi

# A wrong certificate or password is told now, not after the build.
if "$tools/sign.sh" --enabled; then
  "$tools/sign.sh" --check
  signing=true
else
  echo "Not signing: FRENCH_TEST_SIGN_PKCS12 and FRENCH_TEST_SIGN_PASSWORD_FILE are not set."
  signing=false
fi

phase "packages"
qt_prefix=$("$tools/qt.sh" | tail -n 1)
phase "Qt for Windows"
# What the windows preset (CMakePresets.json) reads.
export FRENCH_TEST_WINDOWS_QT="$qt_prefix" FRENCH_TEST_WINDOWS_DIR="$out_dir"

# A run that fails leaves no release behind that looks finished, nor does one that is killed:
# the release is made in the build's staging folder (the release target empties it first), and
# published only once every check has passed. A failed run leaves it there, unpublished, for
# `ctest -L release -R <check>`.
mkdir -p "$out_dir"
rm -rf "$out_dir/SHA256SUMS" "$out_dir"/french-test-*-win64.zip "$out_dir"/french-test-*-setup.exe \
  "$out_dir"/french-test-*-x64.msi "$out_dir"/french-test-*-relink-kit.zip "$out_dir/qt-source" \
  "$out_dir/LICENSE.txt"
# A check that fails says so itself; this names it, and that nothing was published.
check() {  # what, command...
  local what=$1
  shift
  "$@" || {
    echo "windows.sh: $what failed; nothing is published (the release stays unpublished in $stage)" >&2
    exit 1
  }
}

# Carlito named Tahoma and Trebuchet MS (made with Debian's fontTools, hence its python3): for
# the prefix, and for the offscreen platform, which on Windows reads one folder.
rm -rf "$out_dir/fonts"
/usr/bin/python3 "$tools/fonts.py" "$out_dir/fonts"
# shellcheck source=tools/windows/wine.sh
source "$tools/wine.sh"
wine_prefix_ready "$out_dir/fonts"

echo "Cross-building into $build_dir"
cd "$root_dir"
# Every date inside the release is SOURCE_DATE_EPOCH's, else the commit's (worked out when
# configuring), so that a rebuild gives the same bytes.
cmake --preset windows >/dev/null
# The release's folder and file names, as the build names them.
declare -A release
while IFS='=' read -r key value; do release[$key]=$value; done < "$build_dir/release-manifest.txt"
stage=${release[folder]}
cmake --build --preset windows -j"$jobs"
# The release into the staging folder (signed when asked): the release checks below check it there.
cmake --build --preset windows-release
phase "cross-build and release"

QT_QPA_FONTDIR=$(wine_path --windows "$out_dir/fonts")
export QT_QPA_FONTDIR

# A Wine process mostly waits for wineserver, so twice as many as cores keep them busy. The look
# walk on the windows platform needs a display (virtual, at 96 dpi); the rest run offscreen.
echo "Running the tests under Wine"
wine_dpi 96
start_virtual_display
trap stop_virtual_display EXIT
check "the test suite" ctest --preset windows -j"$((jobs * 2))"
phase "tests under Wine"
stop_virtual_display
trap - EXIT

# The release checks (ctest -L release), in a Wine prefix of their own, each on its own display:
# the window, the executable, the relink kit, the notices, the installer, the MSI, the repeat
# build and signing. CTest names any that fails.
echo "Checking the release"
check "the release checks" ctest --preset windows-release -j"$jobs"
phase "release checks"

# Every check passed: the release is moved into place, file by file on one file system, with
# SHA256SUMS last; should any move fail (a folder that cannot be written), what was moved goes
# again, so that no SHA256SUMS ever stands beside a partial release.
zip=${release[zip]} setup=${release[setup]} msi=${release[msi]} kit=${release[kit]}
echo "Publishing into $out_dir"
publish() {
  local name moved=() names=("$zip" "$setup" "$msi" "$kit" LICENSE.txt qt-source SHA256SUMS)
  (cd "$stage" && sha256sum "$zip" "$setup" "$msi" "$kit" qt-source/* > SHA256SUMS) || return 1
  for name in "${names[@]}"; do
    [ "$name" != SHA256SUMS ] || (cd "$out_dir" && sha256sum --quiet --strict -c "$stage/SHA256SUMS") || break
    mv -T "$stage/$name" "$out_dir/$name" || break
    moved+=("$out_dir/$name")
  done
  [ "${#moved[@]}" -eq "${#names[@]}" ] && return 0
  rm -rf "${moved[@]}"
  return 1
}
publish || { echo "windows.sh: the release could not be moved into $out_dir; nothing is published" >&2; exit 1; }

elapsed=$(( $(date +%s) - started ))
$signing && signed_note="signed" || signed_note="not signed"
cat <<DONE

Windows release done in $((elapsed / 60)) min $((elapsed % 60)) s ($signed_note):
  program     $build_dir/french-test.exe
  zip         $out_dir/$zip
  installer   $out_dir/$setup
  MSI         $out_dir/$msi
  relink kit  $out_dir/$kit
  Qt source   $out_dir/qt-source/
  checksums   $out_dir/SHA256SUMS
  pictures    $out_dir/pictures/
  Qt          $qt_prefix ($(du -sh "$qt_prefix" | cut -f1))
DONE
printf '%s\n' "${phases[@]}"
