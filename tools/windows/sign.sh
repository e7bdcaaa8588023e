#!/usr/bin/env bash
# Authenticode signing (SHA-256) of the Windows release with Debian's osslsigncode, when
# FRENCH_TEST_SIGN_PKCS12 (a .p12 file) and FRENCH_TEST_SIGN_PASSWORD_FILE are set; with
# FRENCH_TEST_SIGN_TIMESTAMP_URL also set, each signature gets an RFC 3161 time stamp.
# Only options that Debian 12's osslsigncode (2.5) and its backport (2.9) both take are used.
#   sign.sh --enabled   exit status 0 when a certificate is given
#   sign.sh --check     the certificate and password can sign: one line and exit 1 when not
#   sign.sh FILE...     signs each file in place (makensis calls it on the installer and the
#                       uninstaller it embeds)
set -euo pipefail

fail() { echo "sign.sh: $*" >&2; exit 1; }
p12=${FRENCH_TEST_SIGN_PKCS12:-}
password_file=${FRENCH_TEST_SIGN_PASSWORD_FILE:-}

if [ "${1:-}" = "--enabled" ]; then
  [ -n "$p12" ] || [ -n "$password_file" ]
  exit
fi

check() {
  [ -n "$p12" ] && [ -n "$password_file" ] \
    || fail "set both FRENCH_TEST_SIGN_PKCS12 and FRENCH_TEST_SIGN_PASSWORD_FILE, or neither"
  [ -r "$p12" ] || fail "the signing certificate $p12 cannot be read"
  [ -r "$password_file" ] || fail "the password file $password_file cannot be read"
  local cert
  cert=$(openssl pkcs12 -in "$p12" -passin "file:$password_file" -nokeys -clcerts 2>/dev/null) \
    || fail "$p12 is no PKCS #12 file, or the password in $password_file does not open it"
  openssl pkcs12 -in "$p12" -passin "file:$password_file" -nocerts -nodes 2>/dev/null \
    | grep -q 'PRIVATE KEY' || fail "$p12 holds no private key"
  echo "$cert" | openssl x509 -noout -checkend 0 >/dev/null 2>&1 \
    || fail "the certificate in $p12 has expired or is not valid yet"
  echo "$cert" | openssl x509 -noout -ext extendedKeyUsage 2>/dev/null | grep -q 'Code Signing' \
    || fail "the certificate in $p12 is not for code signing (no extendedKeyUsage codeSigning)"
}

if [ "${1:-}" = "--check" ]; then
  check
  exit 0
fi

[ $# -gt 0 ] || fail "usage: sign.sh --enabled | --check | FILE..."
check
for file in "$@"; do
  [ -f "$file" ] || fail "$file is not there to sign"
  options=(sign -pkcs12 "$p12" -readpass "$password_file" -h sha256 -n "French Test")
  [ -z "${FRENCH_TEST_SIGN_TIMESTAMP_URL:-}" ] || options+=(-ts "$FRENCH_TEST_SIGN_TIMESTAMP_URL")
  # Into a new file first: a failed signing leaves the unsigned original, never half a file.
  signed="$file.signing"
  rm -f "$signed"
  if ! log=$(osslsigncode "${options[@]}" -in "$file" -out "$signed" 2>&1); then
    rm -f "$signed"
    fail "signing $file failed: $(echo "$log" | grep -v '^$' | tail -n 1)"
  fi
  mv -f "$signed" "$file"
done
