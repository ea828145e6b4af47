#!/usr/bin/env bash
# Keys typed on the X display into a focused Wine window, with the real
# Tavelmon.exe running: right Shift+1 with a special-character row types the
# euro sign, right Ctrl+Up with external assignments in force raises the
# stand-in library's volume, right Alt as the Windows key reaches an
# observer hook as left-Windows.
# Key codes of Xvfb's default map: 62 right Shift, 10 digit 1, 105 right
# Ctrl, 111 Up, 108 right Alt.
. "$(dirname "$0")/monitor_lib.sh" "$1"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
. "$here/../observe_keys.sh"
standins="$here/../../../stand-ins/standins.sh"
stand='HKLM\Software\TavelStandIns'

tavelmon /x >/dev/null 2>&1
eventually no_monitor
"$WINESERVER" -p
bash "$standins" install "$bin/../stand-ins"
reg add "$stand\\tvkif32" /v Level /t REG_DWORD /d 3 /f >/dev/null
start_monitor || { fail "monitor did not start"; bash "$standins" remove; finish; }
probe send-symb 0 1 0xA1 0x31
probe send-ext 0x03 1 0 0 0xA3 0x26
probe send-vrkb 1 0xA5 0x5B
in_force() {
  local state
  state=$(probe show)
  grep -qx 'symb0 1 A1 31' <<<"$state" && grep -q '^ext 1 0 ' <<<"$state" && grep -qx 'vrkb 1 A5 5B' <<<"$state"
}
check "the three records are in force" eventually in_force

type_keys() {
  xdotool keydown 62; sleep 0.1; xdotool key 10; sleep 0.1; xdotool keyup 62; sleep 0.3
  xdotool keydown 105; sleep 0.1; xdotool key 111; sleep 0.1; xdotool keyup 105; sleep 0.3
  xdotool keydown 108; sleep 0.1; xdotool keyup 108
}
seen=$(observe_keys type_keys)
echo "$seen" | tr '\n' ' '; echo

check "the test window appeared" test -n "$seen"
check "right Shift+1 typed the euro sign and nothing else" test "$(echo "$seen" | grep '^text')" = "text U+20AC"
check "right Ctrl+Up raised the stand-in library's volume" \
  test "$(reg_value "$stand\\tvkif32" Level)" = 0x4
check "right Alt reached the observer as left-Windows down" grep -qxE 'key 5B 1[01]' <<<"$seen"
check "... and up" grep -qxE 'key 5B 9[01]' <<<"$seen"

stop_monitor
bash "$standins" remove
finish
