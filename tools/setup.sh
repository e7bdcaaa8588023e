#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those missing), then
# configures and builds with a preset of CMakePresets.json: `default` (into build/, or
# $BUILD_DIR), or the one `--preset NAME` names, into that preset's folder. Run it; do not
# source it. Its other arguments go to the configure step, e.g. tools/setup.sh -DCMAKE_CXX_FLAGS=-O0.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset=default
if [ "${1:-}" = "--preset" ]; then
  preset=$2
  shift 2
fi

# Build and tests (with the toolkit's private headers, through which the accessibility test
# switches the accessibility layer on where no platform bridge does); the font that stands in
# for the Windows fonts; icon rendering, desktop-file and AppStream validators and the Debian
# package build; the virtual display
# and window lookup of the start check (tools/start_check.sh); the window manager and the
# wheel turned through the X server of the keyboard check (tools/keyboard_check.sh); the
# screen reader, its speech and the accessibility bus of tools/screen_reader_check.sh; a
# desktop's own Qt settings and the font they name, which the look must not take (tst_look).
packages=(g++ cmake make qtbase5-dev qtbase5-dev-tools qtbase5-private-dev fonts-crosextra-carlito
          librsvg2-bin desktop-file-utils appstream dpkg-dev file xvfb x11-utils
          openbox xdotool
          orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng at-spi2-core dbus
          qt5ct fonts-dejavu-core)

"$root_dir/tools/install_packages.sh" "${packages[@]}"

cd "$root_dir"
# Presets find their folder themselves; only the default build may be put elsewhere, as the
# other presets' environment (the sanitizers' options) reaches a build only through them.
if [ "$preset" = default ] && [ -n "${BUILD_DIR:-}" ]; then
  cmake --preset default -B "$BUILD_DIR" "$@" >/dev/null
  cmake --build "$BUILD_DIR" -j"$(nproc)"
else
  cmake --preset "$preset" "$@" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
fi
