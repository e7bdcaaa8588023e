#!/usr/bin/env bash
# Makes the Wine prefix in WINEPREFIX once, with the fonts Wine's programs need (fonts.py), for
# the release checks: a CTest fixture, so that no check starts on a half-made prefix.
# Usage: wine_prefix.sh FONT_DIR
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: wine_prefix.sh FONT_DIR" >&2; exit 2; }
: "${WINEPREFIX:?set WINEPREFIX, the prefix to make}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=tools/windows/wine.sh
source "$here/wine.sh"
rm -rf "$1"
/usr/bin/python3 "$here/fonts.py" "$1"
wine_prefix_ready "$1"
echo "wine prefix $WINEPREFIX is ready"
