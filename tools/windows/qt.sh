#!/usr/bin/env bash
# Builds Qt for 64-bit Windows, static, from Debian's own qtbase source, once (qt-build.sh is
# the recipe), and keeps it in a cache directory with the three Debian source files it was built
# from. Prints the cache entry (the installed prefix) as its last line.
# With --cached it only says whether that entry is there and whole (exit status 1 when not): it
# builds nothing and changes nothing on the system.
set -euo pipefail
only_cached=false
[ "${1:-}" = "--cached" ] && only_cached=true
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cache_root="${FRENCH_TEST_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/french-test}"
jobs="$(nproc)"
source_package=qtbase-opensource-src

fail() { echo "qt.sh: $*" >&2; exit 1; }

# The version of Debian's Qt, read from its binary packages (built from the same source), so
# that finding the cache needs no source entry and no network.
version=$(apt-cache policy libqt5core5a 2>/dev/null | sed -n 's/^ *Installed: //p' | grep -v '(none)' || true)
[ -n "$version" ] || version=$(apt-cache policy libqt5core5a 2>/dev/null | sed -n 's/^ *Candidate: //p' | grep -v '(none)' || true)
[ -n "$version" ] || fail "apt-cache knows no libqt5core5a, so no Qt version to build (run apt-get update)"
upstream=${version#*:}
upstream=${upstream%-*}

# What makes two builds the same: the source version, the cross toolchain and the recipe itself.
toolchain() {
  x86_64-w64-mingw32-g++ --version 2>/dev/null | head -n 1
  dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
    binutils-mingw-w64-x86-64 2>/dev/null
}
key=$( { echo "$version"; toolchain; cat "$here/qt-build.sh"; } | sha256sum | cut -c1-12)
prefix="$cache_root/qt-$version-mingw64-static-$key"
sources="$prefix/source"

# The kept source files must be those the .dsc names, with the checksums it gives, and the .dsc
# the one recorded when Qt was built.
sources_whole() {
  local dsc file sum
  dsc="$sources/${source_package}_${version#*:}.dsc"
  [ -f "$dsc" ] || { echo "$dsc is missing"; return 1; }
  (cd "$sources" && sha256sum --status -c dsc.sha256 2>/dev/null) || { echo "$dsc is damaged"; return 1; }
  while read -r sum _ file; do
    [ -f "$sources/$file" ] || { echo "$sources/$file is missing"; return 1; }
    [ "$(sha256sum < "$sources/$file" | cut -d' ' -f1)" = "$sum" ] || { echo "$sources/$file is damaged"; return 1; }
  done < <(sed -n '/^Checksums-Sha256:/,/^[^ ]/{/^ /p}' "$dsc")
}

# Every installed file, as it was when the build was marked complete: a library or header lost
# or changed since would otherwise be linked as half a Qt.
record_prefix() {
  # Written beside the prefix first, so that the list cannot name its own unfinished file.
  (cd "$prefix" && find . -path ./source -prune -o -type f ! -name '.complete' ! -name '.manifest' -print0 \
    | LC_ALL=C sort -z | xargs -0 sha256sum) > "$cache_root/.manifest-$key"
  mv "$cache_root/.manifest-$key" "$prefix/.manifest"
}
prefix_whole() {
  local failed
  [ -s "$prefix/.manifest" ] || { echo "it has no record of its files"; return 1; }
  failed=$(cd "$prefix" && sha256sum --quiet -c .manifest 2>/dev/null | head -n 3) || true
  [ -z "$failed" ] || { echo "${failed//$'\n'/, }"; return 1; }
}

if $only_cached; then
  [ -f "$prefix/.complete" ] || fail "no Qt $version for Windows in $prefix"
  problem=$(prefix_whole) || fail "the Qt in $prefix is damaged: $problem"
  problem=$(sources_whole) || fail "the Qt in $prefix lacks its source: $problem"
  echo "$prefix"
  exit 0
fi

# apt-get source needs a deb-src entry; Debian 12 images often ship without one.
ensure_source_entry() {
  apt-get source -qq --print-uris "$source_package=$version" >/dev/null 2>&1 && return 0
  local sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "Adding deb-src entries for bookworm main" >&2
  "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/french-test-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  "${sudo_cmd[@]}" apt-get update -qq
}

fetch_sources() {  # into $sources, verified against the .dsc
  ensure_source_entry
  mkdir -p "$sources"
  # As root, apt warns that it cannot drop its rights for a folder of ours: nothing to act on.
  (cd "$sources" && apt-get source -qq --download-only "$source_package=$version" 2>&1 >/dev/null \
    | { grep -v '^W: Download is performed unsandboxed' || true; } >&2; exit "${PIPESTATUS[0]}") \
    || fail "apt-get source could not fetch $source_package $version"
  (cd "$sources" && sha256sum ./*.dsc | sed 's| \./| |' > dsc.sha256)
  local problem
  problem=$(sources_whole) || fail "$problem"
}

# Two builds at once would write the same entry: the second waits for the first, then reuses it.
mkdir -p "$cache_root"
exec 9> "$cache_root/.lock-$key"
if ! flock -n 9; then
  echo "Another build of this Qt is running; waiting for it (at most 3 hours)" >&2
  flock -w 10800 9 || fail "gave up waiting for the lock $cache_root/.lock-$key"
fi

if [ -f "$prefix/.complete" ] && ! problem=$(prefix_whole); then
  echo "qt.sh: the Qt in $prefix is damaged ($problem); building it anew" >&2
  rm -f "$prefix/.complete"
fi
if [ -f "$prefix/.complete" ]; then
  if ! problem=$(sources_whole); then
    # A missing or damaged source file is fetched again only if it is still exactly that one.
    echo "qt.sh: $problem; fetching the source of $version again" >&2
    [ -f "$sources/dsc.sha256" ] && cp "$sources/dsc.sha256" "$cache_root/.dsc.sha256-$key"
    rm -rf "$sources"
    fetch_sources
    if [ -f "$cache_root/.dsc.sha256-$key" ]; then
      cmp -s "$cache_root/.dsc.sha256-$key" "$sources/dsc.sha256" \
        || fail "the source Debian now serves for $version differs from the one Qt was built from; delete $prefix to build anew"
      rm -f "$cache_root/.dsc.sha256-$key"
    fi
  fi
  echo "Reusing Qt $version for Windows from $prefix" >&2
  echo "$prefix"
  exit 0
fi

echo "Building Qt $version ($upstream) for Windows into $prefix (about 25 minutes on two cores, longer beside other work)" >&2
work="$cache_root/work-$key"
rm -rf "$work" "$prefix"
fetch_sources
start=$(date +%s)
if ! "$here/qt-build.sh" "$sources" "$work" "$prefix" "$jobs"; then
  rm -rf "$work"
  fail "the Qt build failed; $prefix is left incomplete and will be built anew next time"
fi
end=$(date +%s)
printf '%s\n' "$version" > "$prefix/.source-version"
printf '%s\n' "$((end - start))" > "$prefix/.build-seconds"
toolchain > "$prefix/build-record/toolchain"
rm -rf "$work"
record_prefix
touch "$prefix/.complete"
echo "Qt built in $(( (end - start) / 60 )) min" >&2
echo "$prefix"
