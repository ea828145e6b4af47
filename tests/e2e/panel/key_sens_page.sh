#!/usr/bin/env bash
# The Key Sensitivity page driven like a user, with a running monitor: the
# sliders, the browser keys switch, the key test with keys from the X
# display (the monitor's hook standing aside meanwhile), Apply, and every way
# out of the program putting the hook library's status back.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
keysens='HKCU\Software\Norvik\Tavel\DataV1_1\KeySens'
vrkb='HKCU\Software\Norvik\Tavel\DataV1_1\VrKb'
esc=1080 f1=1081 tab=1082 browser_back=1085 browser_forward=1087
test_button=1084 names=1091 enable_browser=1137 hint=1155

stored_status() { reg_value "$keysens" KeySensAsgnsStatus; }
shared_status() {
  timeout 20 "$WINE" "$bin/monitor_probe.exe" show | tr -d '\r' | awk '$1 == "keysens" { print $2 }'
}
# The registry and the hook library's shared state both hold the status.
status_is() { equals "$(stored_status)" "0x$1" && equals "$(shared_status)" "$1"; }
names_are() { equals "$(probe text Tavelkit $names)" "$1"; }
names_now_are() { [ "$(probe text Tavelkit $names)" = "$1" ]; }
button_says() { [ "$(probe text Tavelkit $test_button)" = "$1" ]; }
testing() { button_says "Stop &Test..."; }
idle() { button_says "Start &Test..."; }
hidden() { ! probe shown "$1"; }
focus_is() { equals "$(probe focus-id)" "$1"; }
slider_at() { equals "$(probe slider "$1")" "$2"; }
click() { xdotool mousemove $(probe center "$1") click 1; sleep 0.4; }
# A click gives the slider the focus; Home and Right move its thumb.
slide() {
  click "$1"
  xdotool key Home
  for _ in $(seq "$2"); do xdotool key Right; done
  sleep 0.3
}
# Under load the page is made a while after its tab is clicked; with the
# product disabled it holds only its hint.
page_made() { probe shown $test_button || probe shown $hint; }
open_page() { start_panel && show_tab 2 && eventually page_made; }
start_test() { click $test_button && eventually testing; }  # the button says so a while later under load

# First-run settings, then the filter switched off (so that what a test puts
# back is not the default), the notebook's right Alt acting as the Windows
# key, Esc stored at 300 ms (no slider step) and Tab at 600 ms.
clean_registry
stop_monitor
start_panel && stop_panel
reg add "$keysens" /v KeySensAsgnsStatus /t REG_DWORD /d 0 /f
rows() { printf '%s000000%s' "$@"; }  # key, duration: little-endian words
reg add "$keysens" /v Mapdata /t REG_BINARY /f \
  /d "$(rows 1B 2C010000 70 00000000 09 58020000 14 00000000 A6 00000000 A7 00000000)"
reg add "$vrkb" /v VrKbAsgnsStatus /t REG_DWORD /d 1 /f
reg add 'HKLM\SOFTWARE\Norvik\Tavel\Path' /ve /d 'C:\TavelE2E' /f

# A watching hook installed before the monitor's runs after it, and after
# the page's own hook: it sees what reaches applications.
observed=$(mktemp)
timeout 60 "$WINE" "$bin/panel_probe.exe" observe 25 >"$observed" 2>/dev/null &
observer=$!
sleep 1
"$WINE" "$bin/Tavelmon.exe" >/dev/null 2>&1 &
check "a monitor runs" eventually monitor_runs
check "the program opens on the Key Sensitivity page" open_page
check "a stored 300 ms shows as no delay" slider_at $esc 0
check "... 600 ms as the fourth step" slider_at $tab 3
check "the browser key sliders are enabled" probe enabled $browser_back
screenshot key-sens-idle
check "Apply starts disabled" apply_disabled
slide $tab 3
check "moving a slider enables Apply" probe enabled 1000

right_alt() { xdotool keydown 108; sleep 0.1; xdotool keyup 108; sleep 0.3; }
right_alt  # the monitor makes it the Windows key
click $enable_browser
check "\"Enable Browser Keys\" off greys the browser key sliders" disabled $browser_back
check "... both" disabled $browser_forward
screenshot key-sens-browser-keys-off
check "the test starts" start_test
check "the registry and the monitor's shared state read 2 during the test" status_is 2
right_alt  # the monitor stands aside
xdotool key 166  # Browser Back
sleep 0.3
check "a browser key switched off shows nothing" names_are ""
wait $observer
seen=$(tr -d '\r' <"$observed" | tr '\n' ' ')
rm -f "$observed"
seen_in() { grep -qE "$1" <<<"$seen"; }
check "before the test the monitor turned right Alt into the Windows key" seen_in 'key 5B 11 '
check "during the test right Alt reached applications as itself" seen_in 'key A5 1 key A5 81 $'
check "... and Browser Back was swallowed" bash -c '! grep -q "key A6" <<<"$0"' "$seen"

click $enable_browser
check "turning to the check box stopped the test" idle
check "... putting the saved status back" status_is 0
check "the test starts again" start_test
check "... with an empty display" names_are ""
# A screen reader hears of each recognised key: the display says its name
# changed.
told=$(mktemp)
probe events 3 >"$told" &
watcher=$!
sleep 0.5
xdotool key 166
sleep 0.3
check "a browser key switched on is shown" names_are "Browser Back Key"
wait $watcher
heard_name_is() {
  local all
  all=$(probe describe main)
  grep -qxF "Key Sensitivity #$names text: $1 = " <<<"$all"
}
check "... a screen reader is told the display's name changed" grep -qx "name-change $names" "$told"
check "... and hears the key's name" heard_name_is "Browser Back Key"
rm -f "$told"
xdotool key Return
check "Enter on the button stops the test" eventually idle
check "... clearing the display" names_are ""
check "... keeping the focus on the button" focus_is $test_button
check "... and the program" panel_visible
xdotool key Return
check "Enter starts it again" eventually testing
xdotool key Escape Tab
sleep 0.4
check "Esc is shown, Tab held shorter than its 600 ms is not" names_are "Esc"
check "... neither closes the program" panel_visible
check "... nor moves the focus" focus_is $test_button
xdotool key Return
keys Tab
check "Tab from the idle test button goes to Options" focus_is 1143
slide $esc 0
keys shift+Tab
check "Shift+Tab from the Esc slider goes to the tab strip" focus_is 12320

check "the test starts" start_test
slide $f1 4
check "clicking a slider stops the test" idle
check "the F1 slider moves to 800 ms" slider_at $f1 4
check "the test starts" start_test
# The durations count in the key events' own times, which the X server
# stamps: what the page shows does not depend on how fast it runs.
xdotool keydown F1
sleep 0.5
xdotool keyup F1
xdotool keydown F1
sleep 1.2
xdotool keyup F1
check "F1 held shorter than 800 ms shows nothing, held longer shows F1 once" \
  eventually names_now_are "F1"

xdotool key --delay 20 $(printf 'Escape 166 %.0s' $(seq 25))
sleep 0.5
shown=$(probe text Tavelkit $names)
check "the display keeps six lines" equals "$(wc -l <<<"$shown")" 6
check "... dropping the oldest" bash -c '[ "${0:0:2}" != F1 ]' "$shown"
screenshot key-sens-testing

# The figure: keys without delay, typed quickly, timed by the page itself.
xdotool key Return
xdotool key Return
check "a new test" eventually testing
xdotool key --delay 25 $(printf 'Escape %.0s' $(seq 300))
sleep 1
delays=$(probe key-delays)
check "all 300 keys were shown" equals "$(wc -l <<<"$delays")" 300
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "figure: from the key event to its name on screen, median" \
  "$(cut -d' ' -f1 <<<"$delays" | median) ms; from the page's hook," \
  "median $(cut -d' ' -f2 <<<"$delays" | median) us ($(wc -l <<<"$delays") keys)"

click 1000
check "Apply stops the test" idle
mapdata_is() { [ "$(reg_value "$keysens" Mapdata)" = "$1" ]; }
check "Apply writes the durations the sliders show" eventually mapdata_is \
  "$(rows 1B 00000000 70 20030000 09 58020000 14 00000000 A6 00000000 A7 00000000)"
check "... the browser keys switch" value_is "$vrkb" VrKbBrwAsgnsStatus 0x1
check "... and the status as it was loaded" status_is 0
stop_panel

# Every way out in the middle of a test puts the status back.
ends_with_status_back() {
  local how=$1
  shift
  open_page && start_test && status_is 2 || fail "$how: no test running"
  "$@"
  check "$how ends the program" eventually pid_gone "$PANEL_PID"
  check "... with the status back" status_is 0
}
ends_with_status_back "Close" click 2
ends_with_status_back "Esc (IDCANCEL)" probe command 2
ends_with_status_back "Enter (IDOK)" probe command 1
ends_with_status_back "Alt+F4" xdotool key alt+F4
ends_with_status_back "/x from a second start" timeout 20 "$WINE" "$bin/Tavelpanel.exe" /x
ends_with_status_back "WM_QUERYENDSESSION" probe post 0x11 0
open_page && start_test || fail "WM_ENDSESSION: no test running"
probe post 0x16 1
check "WM_ENDSESSION stops the test" eventually idle
check "... with the status back" status_is 0
stop_panel

# Product disabled: only the hint, in the middle of the page.
reg add 'HKCU\Software\Norvik\Tavel\DataV1_1' /v TVKStatus /t REG_DWORD /d 1 /f
check "the program opens with the product disabled" open_page
check "the page shows its hint" probe shown $hint
check "... and no test button" hidden $test_button
screenshot key-sens-product-disabled
stop_panel

stop_monitor
clean_registry
finish
