#!/usr/bin/env bash
# Signing, checked with a throw-away certificate made here and now.
#   sign_check.sh certificate DIR      makes a self-signed code-signing certificate in DIR, checks
#                                      that a wrong password, a certificate not for code signing
#                                      and a missing file are each refused in one line, and writes
#                                      DIR/signing.env, the variables that make tools/windows/sign.sh
#                                      use it (written last: no file, no certificate)
#   sign_check.sh verify DIR SETUP FILE...
#                                      every file verifies against that certificate, and so does
#                                      the uninstaller that the installer SETUP puts on disk
#   sign_check.sh release DIR BUILD_DIR VERSION PUBLISHER LICENSE.txt
#                                      all of it: the certificate, the release packed and signed
#                                      with it into DIR/signed (tools/windows/package.sh), verified
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
fail() { echo "sign check: $*" >&2; exit 1; }

refused() {  # what, then the p12 and password file sign.sh is given
  local what=$1 message
  if message=$(FRENCH_TEST_SIGN_PKCS12=$2 FRENCH_TEST_SIGN_PASSWORD_FILE=$3 "$here/sign.sh" --check 2>&1); then
    fail "sign.sh took $what"
  fi
  [ "$(echo "$message" | wc -l)" -eq 1 ] || fail "sign.sh said more than one line for $what: $message"
  echo "$message" | grep -q -e "$2" -e "$3" || fail "sign.sh did not name the file for $what: $message"
  echo "sign check: $what refused: $message" >&2
}

certificate() {
  local dir=$1
  mkdir -p "$dir"
  rm -f "$dir/signing.env"
  printf 'throw-away %s\n' "$(date +%s%N)" > "$dir/password"
  openssl req -x509 -newkey rsa:3072 -sha256 -days 2 -nodes -subj "/CN=French Test signing check" \
    -addext "extendedKeyUsage=codeSigning" -addext "keyUsage=digitalSignature" \
    -keyout "$dir/key.pem" -out "$dir/cert.pem" 2>/dev/null || fail "openssl could not make the certificate"
  openssl pkcs12 -export -inkey "$dir/key.pem" -in "$dir/cert.pem" -passout "file:$dir/password" \
    -out "$dir/signing.p12" || fail "openssl could not make $dir/signing.p12"
  FRENCH_TEST_SIGN_PKCS12="$dir/signing.p12" FRENCH_TEST_SIGN_PASSWORD_FILE="$dir/password" \
    "$here/sign.sh" --check || fail "sign.sh does not take the certificate made for it"
  # Bad input: the wrong password, a certificate for something else, no file at all.
  echo "not the password" > "$dir/wrong-password"
  refused "a wrong password" "$dir/signing.p12" "$dir/wrong-password"
  openssl req -x509 -newkey rsa:2048 -days 2 -nodes -subj "/CN=Not for code" \
    -addext "extendedKeyUsage=serverAuth" -keyout "$dir/other-key.pem" -out "$dir/other.pem" 2>/dev/null
  openssl pkcs12 -export -inkey "$dir/other-key.pem" -in "$dir/other.pem" -passout "file:$dir/password" \
    -out "$dir/other.p12"
  refused "a certificate not for code signing" "$dir/other.p12" "$dir/password"
  refused "a missing certificate" "$dir/missing.p12" "$dir/password"
  printf 'export FRENCH_TEST_SIGN_PKCS12=%q FRENCH_TEST_SIGN_PASSWORD_FILE=%q\n' \
    "$dir/signing.p12" "$dir/password" > "$dir/signing.env.part"
  mv "$dir/signing.env.part" "$dir/signing.env"
}

verify() {  # dir, file
  osslsigncode verify -CAfile "$1/cert.pem" -in "$2" > "$1/verify.log" 2>&1 \
    || fail "$2 does not verify: $(grep -v '^$' "$1/verify.log" | tail -n 3 | tr '\n' ' ')"
  echo "sign check: $(basename "$2") is signed and verifies"
}

verify_all() {  # dir, setup, file...
  local dir=$1 setup=$2
  shift 2
  for file in "$setup" "$@"; do verify "$dir" "$file"; done
  # The uninstaller is made and signed inside makensis: install, look, uninstall.
  : "${WINEPREFIX:?source tools/windows/wine.sh first}"
  # shellcheck source=tools/windows/wine.sh
  source "$here/wine.sh"
  folder='C:\french-test-sign-check'
  setup_windows=$(wine_path --windows "$setup")
  wine cmd /c "$setup_windows /S /CurrentUser /D=$folder" || fail "the signed installer failed"
  wineserver --wait
  uninstaller="$(wine_path --unix "$folder")/uninstall.exe"
  [ -f "$uninstaller" ] || fail "the signed installer put no uninstall.exe in $folder"
  verify "$dir" "$uninstaller"
  wine "$folder\\uninstall.exe" /S || fail "the signed uninstaller failed"
  wineserver --wait
}

case "${1:-}" in
  certificate) certificate "$2" ;;
  verify) shift; verify_all "$@" ;;
  release)
    [ $# -eq 6 ] || fail "usage: sign_check.sh release DIR BUILD_DIR VERSION PUBLISHER LICENSE.txt"
    dir=$2 build=$3 version=$4 publisher=$5 license=$6
    rm -rf "$dir"
    certificate "$dir/certificate"
    [ -s "$dir/certificate/signing.env" ] || fail "no certificate was made to sign with"
    export FRENCH_TEST_SIGN_PKCS12="$dir/certificate/signing.p12"
    export FRENCH_TEST_SIGN_PASSWORD_FILE="$dir/certificate/password"
    unset FRENCH_TEST_SIGN_TIMESTAMP_URL
    "$here/package.sh" "$build" "$version" "$publisher" "$license" "$dir/signed" \
      || fail "packing the release signed failed"
    verify_all "$dir/certificate" "$dir/signed/french-test-$version-setup.exe" \
      "$dir/signed/french-test.exe" "$dir/signed/french-test-$version-x64.msi"
    echo "sign check: all passed"
    ;;
  *) fail "usage: sign_check.sh certificate DIR | verify DIR SETUP FILE... | release DIR BUILD_DIR VERSION PUBLISHER LICENSE" ;;
esac
