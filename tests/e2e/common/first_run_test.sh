#!/usr/bin/env bash
# A new user's first run against the real registry: what `reg query` shows
# afterwards, with and without machine-wide seeds, that a second run leaves
# the user's settings alone, and the rows the hot-key driver's answers fill.
# Usage: first_run_test.sh PATH/TO/first_run_probe.exe STAND-INS-BUILD-FOLDER
set -u
probe=$1
standins_built=$2
here=$(cd "$(dirname "$0")" && pwd)
standins="$here/../../../stand-ins/standins.sh"
. "$here/../../../tools/wine-env"
. "$here/../hotkey_driver.sh"

data='HKCU\Software\Norvik\Tavel\DataV1_1'
failures=0
# The machine-wide seeds go where an installer of the probe's width puts
# them: the registry editor of that width writes its own view.
regedit=regedit
[ "$(windows_bits "$probe")" = 32 ] && regedit='C:\windows\syswow64\regedit.exe'

# Applies registry lines (.reg syntax) in one regedit call: each reg.exe
# call costs most of a second under Wine.
apply() {
  local file
  file=$(mktemp --suffix=.reg)
  { printf 'Windows Registry Editor Version 5.00\r\n\r\n'; printf '%s\r\n' "$@"; } >"$file"
  "$WINE" "$regedit" /s "Z:${file//\//\\}"
  rm -f "$file"
}
HKCU_USER='HKEY_CURRENT_USER\Software\Norvik'
HKLM_SEED='HKEY_LOCAL_MACHINE\Software\Norvik\Tavel\Data'
HKLM_OSTRA='HKEY_LOCAL_MACHINE\Software\Norvik\OSTRA'
clean() { apply "[-$HKCU_USER]" "[-$HKLM_SEED]" "[-$HKLM_OSTRA]"; }
trap clean EXIT

# One `reg query /s` of the user's settings after each run (a reg call
# costs most of a second); `value KEY NAME` reads its data column.
snapshot=
take_snapshot() { snapshot=$("$WINE" reg query "$data" /s 2>/dev/null | tr -d '\r'); }
value() {
  local key=${1/#HKCU/HKEY_CURRENT_USER}
  awk -v k="$key" -v n="$2" '
    /^HKEY_/ { current = (tolower($0) == tolower(k)) }
    current && tolower($1) == tolower(n) { print $3 }' <<<"$snapshot"
}

expect() {  # KEY NAME EXPECTED
  local got
  got=$(value "$1" "$2")
  if [ "$got" != "$3" ]; then
    echo "FAIL: $1 $2 = '$got', expected '$3'"
    failures=$((failures + 1))
  fi
}

run_probe() { "$WINE" "$probe" | tr -d '\r'; }

# 1. No settings, no seed: the defaults.
clean
out=$(run_probe)
take_snapshot
echo "$out"
grep -q '^wrote=1$' <<<"$out" || { echo "FAIL: first run did not write"; failures=$((failures + 1)); }
expect "$data" TVKStatus 0x0
expect "$data\\VrKb" VrKbLangId 0x1d          # 29: US English (the prefix runs en-US)
expect "$data\\VrKb" VrKbAsgnsStatus 0x0
expect "$data\\VrKb" VrKbBrwAsgnsStatus 0x1
expect "$data\\VrKb" Mapdata A50000005B0000000000000000000000
expect "$data\\VrKb" MapdataBrw 000000000000000000000000000000000000000000000000
expect "$data\\ExtKb" ExtKbAsgnsStatus 0x0
expect "$data\\ExtKb" ExtKbAsgnsAutoStatus 0x1
expect "$data\\ExtKb" USBKbPresent 0x0
expect "$data\\ExtKb" Docked 0x0
expect "$data\\ExtKb" MorrowUSBKbPresent 0x0
# No hot-key driver here: rows 3, 6, 7 and 9 stay empty.
expect "$data\\ExtKb" Mapdata "$(printf '%s' \
  A300000026000000 A300000028000000 A300000025000000 0000000000000000 A300000073000000 \
  A30000007B000000 0000000000000000 0000000000000000 A300000020000000 0000000000000000)"
expect "$data\\KeySens" KeySensAsgnsStatus 0x1
expect "$data\\KeySens" Mapdata "$(printf '%s' \
  1B00000000000000 7000000000000000 0900000000000000 1400000000000000 A600000000000000 \
  A700000000000000)"
expect "$data\\Symb" SymbAsgnsStatus 0x1
expect "$data\\Symb" Mapdata "$(printf '%s' \
  010000000000000000000000 020000000000000000000000 030000000000000000000000 \
  040000000000000000000000 000000000000000000000000 000000000000000000000000)"

# 2. A second run leaves existing settings alone.
apply "[$HKCU_USER\\Tavel\\DataV1_1\\ExtKb]" '"ExtKbAsgnsStatus"=dword:00000007'
out=$(run_probe)
take_snapshot
grep -q '^wrote=0$' <<<"$out" || { echo "FAIL: second run wrote again"; failures=$((failures + 1)); }
expect "$data\\ExtKb" ExtKbAsgnsStatus 0x7

# 3. Machine-wide seed and an Ostra 4.0 installation.
clean
apply "[$HKLM_SEED]" '"ExtKbAsgnsStatus"=dword:00000001' '"VrKbAsgnsStatus"=dword:00000001' \
  '"VrKbLangId"=dword:00000008' "[$HKLM_OSTRA]" '"Version"="4.0"'
out=$(run_probe)
take_snapshot
echo "$out"
grep -q '^memory ExtKb=1,1,0,0,0$' <<<"$out" || { echo "FAIL: in-memory ExtKb settings"; failures=$((failures + 1)); }
grep -q '^memory ExtKbMap row3=A3,70$' <<<"$out" || { echo "FAIL: in-memory row 3"; failures=$((failures + 1)); }
expect "$data\\ExtKb" ExtKbAsgnsStatus 0x1
expect "$data\\VrKb" VrKbAsgnsStatus 0x1
expect "$data\\VrKb" VrKbLangId 0x1d
expect "$data\\KeySens" KeySensAsgnsStatus 0x1
expect "$data\\ExtKb" Mapdata "$(printf '%s' \
  A300000026000000 A300000028000000 A300000025000000 A300000070000000 A300000073000000 \
  A30000007B000000 0000000000000000 0000000000000000 A300000020000000 0000000000000000)"

# 4. Ostra 3.9 does not fill row 3.
clean
apply "[$HKLM_OSTRA]" '"Version"="3.9"'
run_probe >/dev/null
take_snapshot
expect "$data\\ExtKb" Mapdata "$(printf '%s' \
  A300000026000000 A300000028000000 A300000025000000 0000000000000000 A300000073000000 \
  A30000007B000000 0000000000000000 0000000000000000 A300000020000000 0000000000000000)"

# 5. The hot-key driver reports the F1, F5, F9 and F7 functions: rows 3, 6, 7
# and 9 get Right Ctrl with those keys.
"$WINESERVER" -p >/dev/null 2>&1  # the driver runs only while the server does
bash "$standins" install-driver "$standins_built"
clean
driver_answers Capabilities0=0x1000000 Capabilities1=0x150
run_probe >/dev/null
take_snapshot
expect "$data\\ExtKb" Mapdata "$(printf '%s' \
  A300000026000000 A300000028000000 A300000025000000 A300000070000000 A300000073000000 \
  A30000007B000000 A300000074000000 A300000078000000 A300000020000000 A300000076000000)"

# 6. Each function's bit counts only in its own selector's word: F5 and F7
# (selector 1, bits 4 and 6) fill rows 6 and 9; F1's bit in selector 1 and F9's
# in selector 0 fill nothing.
clean
driver_answers Capabilities0=0x100 Capabilities1=0x1000050
run_probe >/dev/null
take_snapshot
expect "$data\\ExtKb" Mapdata "$(printf '%s' \
  A300000026000000 A300000028000000 A300000025000000 0000000000000000 A300000073000000 \
  A30000007B000000 A300000074000000 0000000000000000 A300000020000000 A300000076000000)"
bash "$standins" remove

[ "$failures" -eq 0 ] && echo "first run: all checks passed"
exit "$failures"
