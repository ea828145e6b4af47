#!/usr/bin/env bash
# The real Tavelmon.exe against the hot-key driver stand-in behind
# \\.\VRHKDRV: the driver-based actions as the driver sees them, request by
# request, with the input bytes of each (see stand-ins/vrhkdrv/vrhkdrv.c).
. "$(dirname "$0")/monitor_lib.sh" "$1"
. "$here/../hotkey_driver.sh"
standins="$here/../../../stand-ins/standins.sh"

caps0='81008120:00000000;' caps1='81008120:01000000;'
read_12='81008128:0C000000;' read_27='81008128:1B000000;'

# what | the driver's answers | message, wParam, lParam | requests, in order
cases=(
  "Lumara (action 9) sets feature 0x2000, selector 1 bit 6, to 0\
|Capabilities1=0x40|0x8001 0 9|${caps1}${caps1}8100812C:00000106;"
  "without bit 6 Lumara only asks the capability word\
|Capabilities0=0x40 Capabilities1=0x1000110|0x8001 0 9|${caps1}"
  "Fn 242 prefers the Lumara trigger when both features are there\
|Capabilities0=0x8000000 Capabilities1=0x40 State27=2|0x7E8 242 1|${caps1}${caps1}8100812C:00000106;"
  "Fn 242 without it cycles feature 0x0010 from 3 to 1, with byte 1 = 3\
|Capabilities0=0x8000000 State27=0x0303|0x7E8 242 1|${caps1}${caps0}${caps0}${read_27}${caps0}8100812C:0103001B;"
  "Fn 244 steps feature 0x0008 up from 5 of 15\
|Capabilities0=0x1000 State12=0x0F05|0x7E8 244 1|${caps0}${caps0}${read_12}${caps0}8100812C:0600000C;"
  "... and at its maximum sets the maximum again\
|Capabilities0=0x1000 State12=0x0F0F|0x7E8 244 1|${caps0}${caps0}${read_12}${caps0}8100812C:0F00000C;"
  "Fn 245 at 0 sets 0 again\
|Capabilities0=0x1000 State12=0x0F00|0x7E8 245 1|${caps0}${caps0}${read_12}${caps0}8100812C:0000000C;"
  "a state read the driver refuses makes no set request\
|Capabilities0=0x1000 State12=0x0F05 FailingCode=0x81008128|0x7E8 244 1|${caps0}${caps0}${read_12}"
  "a refused capability read makes no further request\
|Capabilities0=0x1000 FailingCode=0x81008120|0x7E8 245 1|${caps0}"
)

tavelmon /x >/dev/null 2>&1
eventually no_monitor
"$WINESERVER" -p
bash "$standins" install-driver "$2"
check "the driver stand-in answers as \\\\.\\VRHKDRV" test "$(probe open-device '\\.\VRHKDRV')" = opened
start_monitor || { fail "monitor did not start"; bash "$standins" remove; finish; }

for case in "${cases[@]}"; do
  IFS='|' read -r what answers message expected <<<"$case"
  # shellcheck disable=SC2086  # word lists on purpose
  driver_answers $answers
  # shellcheck disable=SC2086
  probe send $message
  check "$what" test "$(driver_log)" = "$expected"
done

stop_monitor
bash "$standins" remove
check "after removal the device is gone" test "$(probe open-device '\\.\VRHKDRV')" = "error 2"
check "... and so is its service" test "$("$WINE" sc query VRHKDRV 2>&1 | grep -c RUNNING)" = 0
finish
