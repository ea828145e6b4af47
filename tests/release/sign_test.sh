#!/usr/bin/env bash
# tools/sign with a throwaway self-signed code-signing certificate made here:
# every signed file carries a valid signature over its current bytes (and a
# changed byte breaks it), the package carries the signed programs, and the
# signed programs still run under Wine.
#   sign_test.sh BUILD_FOLDER SCREENSHOT_FOLDER
set -u -o pipefail
build=$1
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
. "$(dirname "$0")/../e2e/panel/panel_lib.sh" "$build/bin" "$2"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
signed=$work/signed
programs=(Tavelhook.dll Tavelmon.exe Tavelpanel.exe)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package=Tavelkit-$version.msi

export TAVEL_SIGN_PASSWORD=throwaway-$RANDOM
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tavelkit test signing" \
  -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
  -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" \
  -passout env:TAVEL_SIGN_PASSWORD
export TAVEL_SIGN_PFX=$work/cert.p12

verified() { osslsigncode verify -in "$1" -CAfile "$work/cert.pem" >"$work/verify.log" 2>&1; }
tampered_fails() {
  cp "$1" "$work/tampered" || return 1
  printf 'X' | dd of="$work/tampered" bs=1 seek=$(($(stat -c %s "$1") / 2)) conv=notrunc 2>/dev/null
  ! verified "$work/tampered"
}
packed_signed() {
  mkdir -p "$work/unpacked" && (cd "$work/unpacked" && msiextract "$signed/$package" >/dev/null) &&
    for f in "${programs[@]}"; do
      cmp -s "$(find "$work/unpacked" -name "$f")" "$signed/$f" || return 1
    done
}
sums_match() { (cd "$signed" && sha256sum --quiet -c SHA256SUMS); }

check "tools/sign signs the release" "$tools/sign" "$build" "$signed"
for f in "${programs[@]}" "$package"; do
  check "$f: a valid SHA-256 signature over its bytes" verified "$signed/$f"
  check "... which a changed byte breaks" tampered_fails "$signed/$f"
done
check "the package carries the signed programs" packed_signed
check "the published sums match the files" sums_match

# The signed programs run as the unsigned ones do.
"$WINE" "$signed/Tavelmon.exe" >/dev/null 2>&1 &
check "the signed monitor runs" eventually monitor_runs
check "... the signed file" equals "$(probe program-of-class TavelmonWndClass)" \
  "$("$WINE" winepath -w "$signed/Tavelmon.exe" 2>/dev/null | tr -d '\r')"
"$WINE" "$signed/Tavelpanel.exe" >/dev/null 2>&1 &
check "the signed configuration program opens its window" eventually panel_visible
sleep 2  # painted completely under emulation
screenshot signed-program
timeout 20 "$WINE" "$signed/Tavelpanel.exe" /x
check "... and closes it" eventually window_gone Tavelkit
timeout 20 "$WINE" "$signed/Tavelmon.exe" /x
check "the signed monitor stops" eventually no_monitor
finish
