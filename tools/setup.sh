#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those missing),
# then configures and builds into build/ (or $BUILD_DIR). Run it; do not source it.
# Its arguments go to the configure step, e.g. tools/setup.sh -DCMAKE_CXX_FLAGS=-O0.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$root_dir/build}"

# Build and tests; the font that stands in for the Windows fonts; icon rendering,
# desktop-file and AppStream validators and the Debian package build; the virtual display
# and window lookup of the start check (tools/start_check.sh); the window manager and the
# wheel turned through the X server of the keyboard check (tools/keyboard_check.sh); a desktop's
# own Qt settings and the font they name, which the look must not take (tst_look).
packages=(g++ cmake make qtbase5-dev qtbase5-dev-tools fonts-crosextra-carlito
          librsvg2-bin desktop-file-utils appstream dpkg-dev file xvfb x11-utils
          openbox xdotool qt5ct fonts-dejavu-core)

"$root_dir/tools/install_packages.sh" "${packages[@]}"

cmake -S "$root_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
