#!/usr/bin/env bash
# Load: the real Tavelmon.exe under a stream of key events typed on the X
# display (letters; right Shift+1 typing the euro sign; right Alt as the
# Windows key, alone and with Up; right Ctrl+Up as an external-keyboard
# function) while settings change under the keys: the configuration
# program's records are sent on the settings channel every 300 ms, switching
# the notebook assignments on and off, and the real configuration program
# switches them and applies every few rounds of keys. Afterwards no key is
# held, every euro sign typed arrived (and no '!' in its place), the
# monitor's memory and handle count are flat, and nothing crashed.
# Apply ends by giving its Close button the focus, which brings the
# configuration program to the front, where a character typed at that
# moment would go (as on Windows): the typing waits for Apply to end and
# brings its window back to the front.
#   soak.sh BIN [EVENTS]     EVENTS key events (down and up each count), 3000 by default
# Key codes of Xvfb's default map: 62 right Shift, 10 digit 1, 108 right
# Alt, 111 Up, 105 right Ctrl, 9 Escape.
. "$(dirname "$0")/monitor_lib.sh" "$1"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
events=${2:-3000}
round=(a s d f g h j k l 62+10 62+10 62+10 108+111 108 105+111)
per_round=40  # a key is 2 events, a combination 4
rounds=$(((events + per_round - 1) / per_round))
letters_per_round=9
euros_per_round=3
panel_probe() { timeout 20 "$WINE" "$bin/panel_probe.exe" "$@"; }
usage() { probe usage; }
rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$MONITOR_PID/status"; }
count_of() { awk -v c="$1" '$1 == "char" && $2 == c { print $3 }' <<<"$chars"; }

tavelmon /x >/dev/null 2>&1
eventually no_monitor
debug=$(mktemp)
WINEDEBUG=+debugstr "$WINE" "$bin/Tavelmon.exe" >/dev/null 2>"$debug" &
MONITOR_PID=$!
eventually monitor_runs || { fail "monitor did not start"; finish; }
# The settings the configuration program will load and apply again and again.
probe send-vrkb 1 0xA5 0x5B
probe send-symb 0 1 0xA1 0x31
probe send-ext 0x03 1 0 0 0xA3 0x26
sleep 0.6
"$WINE" "$bin/Tavelpanel.exe" >/dev/null 2>&1 &
panel=$!
eventually panel_probe visible Tavelkit >/dev/null || fail "the configuration program did not open"

output=$(mktemp)
open_target soak_target "Tavel soak target" "$output" || fail "the window to type into did not appear"

xdotool key --delay 5 "${round[@]}"  # warm-up, before the first measurement
sleep 1
before=$(usage)
rss_before=$(rss_kb)

# One round by hand first: the switch and Apply reach the running hook.
notebook_status() { probe show | awk '$1 == "vrkb" { print $2 }'; }
status_before=$(notebook_status)
panel_probe quiet-click Tavelkit 1106 >/dev/null
panel_probe quiet-click Tavelkit 1000 >/dev/null
sleep 0.6
status_toggled=$(notebook_status)
check "an Apply from the configuration program reaches the hook" test "$status_toggled" != "$status_before"

applying=$(mktemp)
# One sender for the whole run (not the probe wrapper, whose time limit is
# shorter than a run).
"$WINE" "$bin/monitor_probe.exe" flip-vrkb 300 "Z:${applying//\//\\}" >"$applying.count" 2>/dev/null &
sender=$!

apply_done() { ! panel_probe enabled 1000; }
panel_applies=0
start=$(date +%s)
for n in $(seq "$rounds"); do
  xdotool key --delay 2 "${round[@]}"
  if [ $((n % 4)) = 0 ]; then
    panel_probe quiet-click Tavelkit 1106 >/dev/null
    panel_probe quiet-click Tavelkit 1000 >/dev/null
    eventually apply_done
    probe activate "Tavel soak target"
    panel_applies=$((panel_applies + 1))
  fi
done
rm -f "$applying"
wait "$sender"
typed_seconds=$(($(date +%s) - start))
sends=$(tr -dc '0-9' <"$applying.count")
sends=${sends:-0}
rm -f "$applying.count"
sleep 2  # the last keys and applies settle
after=$(usage)
rss_after=$(rss_kb)
held=$(probe held)

xdotool windowfocus --sync "$TARGET_WINDOW" 2>/dev/null
close_target
chars=$(tr -d '\r' <"$output")
rm -f "$output"

total_rounds=$((rounds + 1))
euros=$(count_of 20AC)
echo "soak: $((rounds * per_round)) key events in ${typed_seconds} s, $sends records sent, $panel_applies applies of the configuration program"
echo "monitor before: $before, RSS ${rss_before} kB; after: $after, RSS ${rss_after} kB"
echo "held afterwards: $held"
echo "hook installed again: $(grep -c 'keyboard hook installed again' "$debug") times"
echo "characters: $(tr '\n' ' ' <<<"$chars")"
private_before=$(awk '{ print $2 }' <<<"$before")
private_after=$(awk '{ print $2 }' <<<"$after")
handles_before=$(awk '{ print $4 }' <<<"$before")
handles_after=$(awk '{ print $4 }' <<<"$after")

check "settings changed every few hundred ms" test $((sends + panel_applies)) -ge $((typed_seconds * 2))
check "no key is held afterwards" test "$held" = none
check "every euro sign typed arrived" test "${euros:-0}" = $((total_rounds * euros_per_round))
check "... and no '!' in place of one" test -z "$(count_of 0021)"
check "every letter arrived" test "$(count_of 0061)" = "$total_rounds"
check "the monitor's handle count is flat" test $((handles_after - handles_before)) -le 2
check "the monitor's private memory is flat (under 1 MB more)" test $((private_after - private_before)) -lt 1048576
check "the monitor did not crash" kill -0 "$MONITOR_PID"
check "... and still serves its desktop" monitor_runs
check "the configuration program did not crash" kill -0 "$panel"

timeout 20 "$WINE" "$bin/Tavelpanel.exe" /x >/dev/null 2>&1
timeout 20 tail --pid="$panel" -f /dev/null || kill "$panel" 2>/dev/null
stop_monitor
rm -f "$debug"
"$WINE" reg delete 'HKCU\SOFTWARE\MICROSOFT\Windows\CurrentVersion\Run' /v TAVELMON /f >/dev/null 2>&1
finish
