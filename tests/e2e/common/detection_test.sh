#!/usr/bin/env bash
# Keyboard detection and the hot-key library binding through the Win32
# adapters: first with Wine's own Configuration Manager and no hot-key
# package, then with the stand-ins and a scripted device tree. A 32-bit probe
# runs under WOW64 and finds the package's folder only in the 64-bit view.
# Usage: detection_test.sh PATH/TO/detection_probe.exe STAND-INS-BUILD-FOLDER
set -u
probe=$1
standins_built=$2
here=$(cd "$(dirname "$0")" && pwd)
standins="$here/../../../stand-ins/standins.sh"
. "$here/../../../tools/wine-env"
failures=0
probe_name=$(basename "$probe")
bits=$(windows_bits "$probe")
# The registry as the probe sees it: a 32-bit probe reads the 32-bit view.
reg() { "$WINE" reg "$@" "/reg:$bits" >/dev/null 2>&1; }
expect_line() {  # OUTPUT LINE
  if ! grep -qxF "$2" <<<"$1"; then
    echo "FAIL: expected '$2'"
    failures=$((failures + 1))
  fi
}
cleanup() {
  reg delete "HKCU\\Software\\Wine\\AppDefaults\\$probe_name" /f
  bash "$standins" remove >/dev/null 2>&1
}
trap cleanup EXIT

# 1. Wine's Configuration Manager lists no devices; no hot-key package.
cleanup
out=$("$WINE" "$probe" | tr -d '\r')
echo "$out"
expect_line "$out" "platform=nt"
expect_line "$out" "wow64=$((bits == 32))"
expect_line "$out" "scan writes=1 usb=0 maker=0"
expect_line "$out" "maker keyboard=0"
expect_line "$out" "library path="
expect_line "$out" "library usable=0"
expect_line "$out" "fn5 available=0"

# 2. The stand-ins: a maker keyboard below a USB root hub, and the package.
bash "$standins" install "$standins_built" >/dev/null 2>&1
reg add "HKCU\\Software\\Wine\\AppDefaults\\$probe_name\\DllOverrides" /v cfgmgr32 /d native /f
reg add 'HKLM\Software\TavelStandIns\cfgmgr32' /v Devices /t REG_MULTI_SZ /f /d \
  'USB\ROOT_HUB20\4&1|{36fc9e60-c465-11cf-8056-444553540000}|\0USB\VID_2F4E&PID_3019\5&1|{36fc9e60-c465-11cf-8056-444553540000}|USB\ROOT_HUB20\4&1\0HID\VID_2F4E&PID_3019\6&1&0000|{4d36e96b-e325-11ce-bfc1-08002be10318}|USB\VID_2F4E&PID_3019\5&1'
out=$("$WINE" "$probe" | tr -d '\r')
echo "$out"
expect_line "$out" "scan writes=2 usb=1 maker=1"
expect_line "$out" "maker keyboard=1"
expect_line "$out" 'library path=C:\TavelStandIns\tvkif32.dll'
expect_line "$out" "library usable=1"
expect_line "$out" "fn5 available=1"

[ "$failures" -eq 0 ] && echo "detection: all checks passed"
exit "$failures"
