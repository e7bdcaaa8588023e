#!/usr/bin/env bash
# The Windows program, built and proved on Debian 12: installs what is missing, builds a static
# Qt for Windows once (kept in ~/.cache), cross-builds french-test.exe and the test suite, runs
# the tests and the real window under Wine, and makes the installer and the zip.
# Everything lands in build-windows/ (or $WINDOWS_BUILD_DIR).
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out_dir="${WINDOWS_BUILD_DIR:-$root_dir/build-windows}"
build_dir="$out_dir/build"
jobs="$(nproc)"
started=$(date +%s)

# Cross compiler, Qt's source and what building it needs, Wine with its own fonts, NSIS; icon
# tools; a virtual display and what drives and photographs the window.
"$root_dir/tools/install_packages.sh" g++ cmake make dpkg-dev xz-utils perl python3 \
  g++-mingw-w64-x86-64-posix wine wine64 fonts-wine fonts-crosextra-carlito nsis \
  librsvg2-bin icoutils xvfb xdotool imagemagick python3-fonttools

qt_prefix=$("$root_dir/tools/windows/qt.sh" | tail -n 1)

# Carlito named Tahoma and Trebuchet MS (made with Debian's fontTools, hence its python3): for
# the prefix, and for the offscreen platform, which on Windows reads one folder.
mkdir -p "$out_dir"
rm -rf "$out_dir/fonts"
/usr/bin/python3 "$root_dir/tools/windows/fonts.py" "$out_dir/fonts"
source "$root_dir/tools/windows/wine.sh"
wine_prefix_ready "$out_dir/fonts"

echo "Cross-building into $build_dir"
cmake -S "$root_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root_dir/cmake/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$qt_prefix" \
  -DFRENCH_TEST_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j"$jobs"

# QtTest writes to stdout only when told, on Windows.
QT_QPA_FONTDIR="$(winepath --windows "$out_dir/fonts")"
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
(cd "$build_dir" && ctest --output-on-failure -j"$((jobs * 2))" \
  -E '^tst_frame\.missingDisplayIsExplained$|^tst_look\.substituteStandsIn$|^tst_look\.everyPageAndTabFits$|^tst_look\.scaled$')
stop_virtual_display
trap - EXIT

echo "Starting the real window under Wine"
"$root_dir/tools/windows/window_check.sh" "$build_dir/french-test.exe" "$out_dir/pictures" 96 144

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
package="$out_dir/french-test-$version-win64"
setup="$out_dir/french-test-$version-setup.exe"
rm -rf "$package" "$package.zip"
mkdir -p "$package"
cp "$build_dir/french-test.exe" "$build_dir/LICENSE.txt" "$package/"
(cd "$out_dir" && cmake -E tar cf "$package.zip" --format=zip "$(basename "$package")")
makensis -V2 -DVERSION="$version" -DEXE="$build_dir/french-test.exe" \
  -DLICENSE_FILE="$build_dir/LICENSE.txt" -DICON="$build_dir/packaging/windows/french-test.ico" \
  -DOUTFILE="$setup" "$root_dir/packaging/windows/installer.nsi"

echo "Installing and uninstalling under Wine"
"$root_dir/tools/windows/installer_check.sh" "$setup"

elapsed=$(( $(date +%s) - started ))
cat <<DONE

Windows build done in $((elapsed / 60)) min $((elapsed % 60)) s:
  program    $build_dir/french-test.exe
  zip        $package.zip
  installer  $setup
  pictures   $out_dir/pictures/
  Qt         $qt_prefix ($(du -sh "$qt_prefix" | cut -f1))
DONE
