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
out_dir="${WINDOWS_BUILD_DIR:-$root_dir/build-windows}"
build_dir="$out_dir/build"
jobs="$(nproc)"
started=$(date +%s)

# Cross compiler, Qt's source and what building it needs, Wine with its own fonts, NSIS, wixl
# and osslsigncode, libmsi for the MSI's codes and dates; icon tools; a virtual display and what drives and photographs the window.
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

# Every date inside the release is the commit's, so that a rebuild gives the same bytes.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root_dir" log -1 --format=%ct 2>/dev/null || echo 315532800)}
export SOURCE_DATE_EPOCH TZ=UTC

qt_prefix=$("$tools/qt.sh" | tail -n 1)

# A run that fails leaves no release behind that looks finished, nor does one that is killed:
# the release is made in a staging folder, and what a killed run left there goes too.
stage="$out_dir/.staging"
scratch="$out_dir/.scratch"
mkdir -p "$out_dir"
rm -rf "$out_dir/SHA256SUMS" "$out_dir"/french-test-*-win64.zip "$out_dir"/french-test-*-setup.exe \
  "$out_dir"/french-test-*-x64.msi "$out_dir"/french-test-*-relink-kit.zip "$out_dir/qt-source" \
  "$out_dir/LICENSE.txt" "$stage" "$scratch"
# A check that fails says so itself; this names it, and that nothing was published.
check() {  # what, command...
  local what=$1
  shift
  "$@" || { echo "windows.sh: $what failed; nothing is published" >&2; exit 1; }
}

# Carlito named Tahoma and Trebuchet MS (made with Debian's fontTools, hence its python3): for
# the prefix, and for the offscreen platform, which on Windows reads one folder.
rm -rf "$out_dir/fonts"
/usr/bin/python3 "$tools/fonts.py" "$out_dir/fonts"
# shellcheck source=tools/windows/wine.sh
source "$tools/wine.sh"
wine_prefix_ready "$out_dir/fonts"

echo "Cross-building into $build_dir"
publisher_option=()
[ -z "${FRENCH_TEST_PUBLISHER+set}" ] || publisher_option=(-DFRENCH_TEST_PUBLISHER="$FRENCH_TEST_PUBLISHER")
cmake -S "$root_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root_dir/cmake/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$qt_prefix" \
  -DBUILD_TESTING=ON -DFRENCH_TEST_BUILD_BENCH=OFF "${publisher_option[@]}" >/dev/null
cmake --build "$build_dir" -j"$jobs"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
publisher=$(sed -n 's/^FRENCH_TEST_PUBLISHER:[A-Z]*=//p' "$build_dir/CMakeCache.txt")

# QtTest writes to stdout only when told, on Windows.
QT_QPA_FONTDIR=$(wine_path --windows "$out_dir/fonts")
export QT_QPA_FONTDIR
export QT_FORCE_STDERR_LOGGING=1

# A Wine process mostly waits for wineserver, so twice as many as cores keep them busy. The look
# walk on the windows platform needs a display (virtual, at 96 dpi); the rest run offscreen.
# Left out by name, as they only make sense on Linux: the missing-X-display message and the
# font substitution (on Windows the real fonts and the platform's style are checked instead).
# Also left out: the offscreen look walk (tst_look.everyPageAndTabFits, tst_look.scaled). The
# offscreen platform on Windows has no system font, so it draws with a 12 pt fallback that
# students never see; the same walk runs on the windows platform instead (tst_look.windows*).
echo "Running the tests under Wine"
wine_dpi 96
start_virtual_display
trap stop_virtual_display EXIT
(cd "$build_dir" && check "the test suite" ctest --output-on-failure -j"$((jobs * 2))" \
  -E '^tst_frame\.missingDisplayIsExplained$|^tst_look\.substituteStandsIn$|^tst_look\.everyPageAndTabFits$|^tst_look\.scaled$')
stop_virtual_display
trap - EXIT

echo "Starting the real window under Wine"
check "the window check" "$tools/window_check.sh" "$build_dir/french-test.exe" "$build_dir/tools/french-snapshot.exe" \
  "$out_dir/pictures" 96 144

# The release is put together in the staging folder, checked there, and moved into place only
# when every check has passed.
mkdir -p "$stage/qt-source" "$scratch"
trap 'rm -rf "$stage" "$scratch"' EXIT
zip_name="french-test-$version-win64"
kit="french-test-$version-relink-kit.zip"
setup="french-test-$version-setup.exe"
msi="french-test-$version-x64.msi"

echo "Making the relink kit"
"$tools/relink_kit.sh" "$build_dir" "$qt_prefix" "$version" "$stage/$kit"
check "the relink kit check" "$tools/kit_check.sh" "$stage/$kit" "$qt_prefix" "$build_dir/french-test.exe"
for file in "$qt_prefix"/source/*.dsc "$qt_prefix"/source/*.tar.*; do
  cp "$file" "$stage/qt-source/"
done

echo "Writing the licence file"
dpkg-source --no-check -x "$stage"/qt-source/*.dsc "$scratch/qt-src" >/dev/null
release_files=("$kit=$stage/$kit")
for file in "$stage"/qt-source/*; do release_files+=("qt-source/$(basename "$file")=$file"); done
python3 "$tools/notices.py" write --qt "$qt_prefix" --tree "$scratch/qt-src" \
  --link "$build_dir/CMakeFiles/french-test.dir/linkLibs.rsp" --version "$version" \
  --release-file "${release_files[@]}" --out "$stage/LICENSE.txt"
license="$stage/LICENSE.txt"
check "the notices check" python3 "$tools/notices.py" check --qt "$qt_prefix" --tree "$scratch/qt-src" \
  --map "$build_dir/french-test.map" --license "$stage/LICENSE.txt"

installer() {  # version, exe, output, makensis options
  makensis -V2 -DVERSION="$1" -DEXE="$2" -DLICENSE_FILE="$license" \
    -DICON="$build_dir/packaging/windows/french-test.ico" -DPUBLISHER="$publisher" "${@:4}" \
    -DOUTFILE="$3" "$root_dir/packaging/windows/installer.nsi"
}
# The zip, the installer and the MSI, signed or not, into the folder given.
package() {  # folder
  local folder=$1 sign_command=()
  cp "$build_dir/french-test.exe" "$folder/french-test.exe"
  if "$tools/sign.sh" --enabled; then
    "$tools/sign.sh" "$folder/french-test.exe"
    sign_command=(-DSIGN_COMMAND="$tools/sign.sh")
  fi
  # The installer keeps its files' times: the commit's, as in the zip.
  touch -d "@$SOURCE_DATE_EPOCH" "$folder/french-test.exe" "$license"
  python3 "$tools/zip.py" "$folder/$zip_name.zip" "$zip_name" \
    "french-test.exe=$folder/french-test.exe" "LICENSE.txt=$license"
  installer "$version" "$folder/french-test.exe" "$folder/$setup" "${sign_command[@]}"
  "$tools/msi.sh" "$version" "$folder/french-test.exe" "$license" \
    "$build_dir/packaging/windows/french-test.ico" "$publisher" "$folder/$msi"
  if "$tools/sign.sh" --enabled; then "$tools/sign.sh" "$folder/$msi"; fi
}
echo "Packaging"
package "$stage"
# The program as packed (signed, when signing) is no release file of its own.
mv "$stage/french-test.exe" "$scratch/french-test.exe"
# The upgrade is checked against the same program one patch version up.
newer_version="${version%.*}.$(( ${version##*.} + 1 ))"
installer "$newer_version" "$build_dir/french-test.exe" "$scratch/setup-$newer_version.exe"

echo "Installing, upgrading and uninstalling under Wine"
check "the installer check" "$tools/installer_check.sh" "$stage/$setup" "$scratch/setup-$newer_version.exe"
check "the MSI check" "$tools/msi_check.sh" "$stage/$msi" "$scratch/french-test.exe" "$license" \
  "$build_dir/packaging/windows/french-test.ico" "$version" "$publisher"

echo "Building the program again elsewhere"
check "the repeat check" "$tools/repeat_check.sh" "$build_dir" "$scratch/build-again" "$license" "$version"

echo "Signing with a throw-away certificate"
mkdir -p "$scratch/signed"
check "the signing check" "$tools/sign_check.sh" certificate "$scratch/certificate"
# Read only once made and whole: a failed step must not turn into a later "does not verify".
signing_env="$scratch/certificate/signing.env"
grep -q '^export FRENCH_TEST_SIGN_PKCS12=.* FRENCH_TEST_SIGN_PASSWORD_FILE=' "$signing_env" \
  || { echo "windows.sh: the signing check wrote no certificate to use" >&2; exit 1; }
# shellcheck source=/dev/null
source "$signing_env"
package "$scratch/signed"
check "the signing check" "$tools/sign_check.sh" verify "$scratch/certificate" "$scratch/signed/$setup" \
  "$scratch/signed/french-test.exe" "$scratch/signed/$msi"

# Every check passed: the release is moved into place, file by file on one file system, with
# SHA256SUMS last; should any move fail (a folder that cannot be written), what was moved goes
# again, so that no SHA256SUMS ever stands beside a partial release.
echo "Publishing into $out_dir"
publish() {
  local name moved=() names=("$zip_name.zip" "$setup" "$msi" "$kit" LICENSE.txt qt-source SHA256SUMS)
  (cd "$stage" && sha256sum "$zip_name.zip" "$setup" "$msi" "$kit" qt-source/* > SHA256SUMS) || return 1
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
  zip         $out_dir/$zip_name.zip
  installer   $out_dir/$setup
  MSI         $out_dir/$msi
  relink kit  $out_dir/$kit
  Qt source   $out_dir/qt-source/
  checksums   $out_dir/SHA256SUMS
  pictures    $out_dir/pictures/
  Qt          $qt_prefix ($(du -sh "$qt_prefix" | cut -f1))
DONE
