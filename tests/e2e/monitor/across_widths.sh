#!/usr/bin/env bash
# The 32-bit Tavelmon.exe and 64-bit processes of the same user share one hook
# state: a record that a 64-bit sender hands over the channel is in force for
# the monitor, and 32- and 64-bit readers (each with the library of its own
# width) see the same state, whichever side changed it.
# Usage: across_widths.sh BIN-FOLDER 64-BIT-BIN-FOLDER
# Skipped (77) when the 64-bit build is not there.
. "$(dirname "$0")/monitor_lib.sh" "$1"
wide=$2
[ -f "$wide/monitor_probe.exe" ] || { echo "no 64-bit build in $wide: skipped"; exit 77; }
wide_probe() { timeout 20 "$WINE" "$wide/monitor_probe.exe" "$@" | tr -d '\r'; }
same_state() { [ "$(probe show)" = "$(wide_probe show)" ]; }
wide_sees() { grep -qxF "$1" <<<"$(wide_probe show)"; }

check "the programs under test are 32-bit" test "$(windows_bits "$bin/Tavelmon.exe")" = 32
check "... the other ones 64-bit" test "$(windows_bits "$wide/monitor_probe.exe")" = 64
tavelmon /x >/dev/null 2>&1
eventually no_monitor
start_monitor || { fail "monitor did not start"; finish; }

out=$(wide_probe watch-vrkb 0xA3 0x5D)
echo "64-bit sender: $out"
check "a record sent by a 64-bit process is in force, seen by it" grep -q '^applied_ms' <<<"$out"
probe show
check "32- and 64-bit readers see the same state" same_state
check "... the 64-bit sender's map among it" grep -qx 'vrkb 1 A3 5D' <<<"$(probe show)"

probe send-symb 0 2 0xA1 0x32
check "a record sent by a 32-bit process reaches the 64-bit reader" eventually wide_sees 'symb0 2 A1 32'
check "... and both still agree" same_state

stop_monitor
finish
