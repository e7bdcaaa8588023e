#!/bin/sh
# Validates the desktop entry and the AppStream metainfo as shipped in the source tree.
# Usage: check_metadata.sh SOURCE_DIR APP_ID VERSION
set -eu
src=$1 id=$2 version=$3
desktop=$src/$id.desktop
metainfo=$src/$id.metainfo.xml
status=0
fail() { echo "FAIL: $*" >&2; status=1; }
# desktop-file-validate exits 0 on warnings and hints (e.g. no main category): any output fails.
validate_desktop() {
  report=$(desktop-file-validate "$1" 2>&1) && [ -z "$report" ] || {
    printf '%s\n' "$report" >&2
    fail "desktop-file-validate rejected $1"
  }
}

validate_desktop "$desktop"
# --strict fails on warnings and infos too, not only on errors.
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli rejected $metainfo"

# The three files name each other; a rename of one must not leave the others dangling.
grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not use the icon $id"
grep -qx "Exec=french-test" "$desktop" || fail "desktop entry does not start french-test"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $id.desktop"
# Software centres show the newest release entry as the installed version.
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release entry for $version"

exit $status
