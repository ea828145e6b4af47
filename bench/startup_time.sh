#!/usr/bin/env bash
# Under Wine, in one run: the configuration program's start against a bare
# four-page property sheet (launch until a visible window of the new process
# carries the title, polled every 2 ms; the first round dropped, median of
# the rest), and Apply until the monitor's shared state holds the new record.
# Run by hand, after building the build it is given:
#   bench/startup_time.sh [windows|windows-x64] [ROUNDS]
# It uses the display in DISPLAY or a virtual one, and a Wine prefix of its
# own under the build. The polling programs are the 64-bit build's when it
# is there (natively run, they cost the measured program no emulation time).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-windows}
rounds=${2:-6}
bin=$root/build/$build/bin
bench=$root/build/$build/bench
native=$root/build/windows-x64/bench
[ -x "$native/startup_launcher.exe" ] || native=$bench
export WINEPREFIX=$root/build/$build/bench-prefix
. "$root/tools/wine-env"
if [ -z "${DISPLAY:-}" ]; then
  . "$root/tools/xvfb-start" || exit 1
  trap 'kill "$XVFB_PID" 2>/dev/null' EXIT
fi
[ -d "$WINEPREFIX" ] || { "$WINE" wineboot -i >/dev/null 2>&1; "$WINESERVER" -w; }
win() { winepath -w "$1"; }
settings='HKCU\Software\Norvik\Tavel\DataV1_1'

echo "== start-up, $build build, $rounds rounds"
"$WINE" "$native/startup_launcher.exe" "$rounds" Tavelkit "$(win "$bin/Tavelpanel.exe")" \
  "Bare sheet" "$(win "$bench/bare_sheet.exe")" | tr -d '\r'

echo "== Apply until the monitor holds the record"
# An Esc delay keeps the monitor needed whichever way the notebook switch goes.
word() { printf '%02X%02X%02X%02X' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24)); }
delays=$(for pair in 0x1B:200 0x70:0 0x09:0 0x14:0 0xA6:0 0xA7:0; do
  word "${pair%%:*}"; word "${pair#*:}"; done)
"$WINE" reg add "$settings\\KeySens" /v Mapdata /t REG_BINARY /d "$delays" /f >/dev/null 2>&1
"$WINE" "$bin/Tavelmon.exe" >/dev/null 2>&1 &
"$WINE" "$bin/Tavelpanel.exe" >/dev/null 2>&1 &
sleep 5
latency=$root/build/windows-x64/bin/apply_latency.exe
[ -x "$latency" ] || latency=$bin/apply_latency.exe
"$WINE" "$latency" "$rounds" | tr -d '\r'
"$WINE" "$bin/Tavelpanel.exe" /x
"$WINE" "$bin/Tavelmon.exe" /x
"$WINESERVER" -w
