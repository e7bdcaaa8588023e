# Sourced: Wine for running the Windows build here. One 64-bit prefix per build tree, made once
# before any test runs in parallel. Debian ships neither Wine Mono nor Gecko; none is asked for.
export WINEPREFIX="${WINEPREFIX:-${out_dir:?}/wine}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_prefix_ready() {
  if [ ! -f "$WINEPREFIX/.french-test-ready" ]; then
    echo "Making the Wine prefix $WINEPREFIX" >&2
    wineboot --init >/dev/null 2>&1 || true
    wineserver --wait
    # Wine has no Trebuchet MS; the metric-compatible Carlito stands in for the tests and pictures.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Trebuchet MS' /t REG_SZ /d Carlito /f >/dev/null
    wineserver --wait
    touch "$WINEPREFIX/.french-test-ready"
  fi
}

# The screen's dots per inch as Windows programs see it (96 is 100 %, 144 is 150 %).
wine_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  wineserver --wait
}
