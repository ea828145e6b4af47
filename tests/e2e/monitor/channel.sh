#!/usr/bin/env bash
# The settings channel between a sender built from the real sender code and
# the real Tavelmon.exe: a record is in force 250 ms after it was sent, a
# quick second send replaces the first, and channel messages without a
# proper mapping change nothing.
. "$(dirname "$0")/monitor_lib.sh" "$1"
user='HKCU\Software\Norvik\Tavel\DataV1_1'
tavelmon /x >/dev/null 2>&1
eventually no_monitor
start_monitor || { fail "monitor did not start"; finish; }

out=$(probe watch-vrkb 0xA3 0x5D)
echo "$out"
ms=$(echo "$out" | awk '$1 == "applied_ms" { print int($2) }')
check "a sent record is applied" test -n "$ms"
check "... not before 250 ms" test "${ms:-0}" -ge 250
check "... and within 1 s" test "${ms:-9999}" -lt 1000
check "... and written to the registry" test "$(reg_value "$user\\VrKb" Mapdata)" = A30000005D0000000000000000000000

out=$(probe watch-vrkb 0xA4 0x5B 0xA5 0x5B)
echo "$out"
check "of two quick sends only the second is in force" test "$(echo "$out" | awk '{ print $4 }')" = 0
check "... and in the registry" test "$(reg_value "$user\\VrKb" Mapdata)" = A50000005B0000000000000000000000

probe send-symb 0 2 0xA1 0x32
probe send-ext 0x03 1 0 4 0xA3 0x74
symb_row_is() { [ "$(reg_value "$user\\Symb" Mapdata | cut -c1-24)" = "$1" ]; }
check "special-character record reaches the registry" eventually symb_row_is 02000000A100000032000000
check "external-keyboard status reaches the registry" eventually test_value "$user\\ExtKb" ExtKbAsgnsStatus 0x1
check "... only the masked values are written" test "$(reg_value "$user\\ExtKb" USBKbPresent)" != ""

before=$(probe show)
probe send 0x8002
probe send-short 0x8002 'C:\tavel-short.bin'
probe send-short 0x8003 'C:\tavel-short.bin'
sleep 0.6
after=$(probe show)
[ "$after" = "$before" ] || diff <(echo "$before") <(echo "$after")
check "messages without a proper mapping change nothing" test "$after" = "$before"
check "... and the monitor survives them" monitor_runs

stop_monitor
finish
