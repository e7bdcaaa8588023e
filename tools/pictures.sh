#!/usr/bin/env bash
# Regenerates the pictures the README shows, with the project's snapshot tool.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root_dir/tools/setup.sh"
build_dir="${BUILD_DIR:-$root_dir/build}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$build_dir/tools/french-snapshot" --out "$work" --answers mixed 0 6 8 >/dev/null
mkdir -p "$root_dir/docs"
cp "$work/page-0.png" "$root_dir/docs/reading.png"
cp "$work/page-6.png" "$root_dir/docs/task-vi.png"
cp "$work/page-8-tab-2.png" "$root_dir/docs/result.png"
echo "docs/reading.png docs/task-vi.png docs/result.png"
