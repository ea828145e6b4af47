#!/usr/bin/env bash
# The external-keyboard page against the hot-key driver stand-in behind
# \\.\VRHKDRV, with no other source of the branded button: the driver's
# capability words alone decide whether the Lumara row is shown and row 3 is
# usable (asked again at each visit of the page); both rows then take a
# combination, and the monitor carries out the Lumara function on it through
# the driver.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
. "$here/../hotkey_driver.sh"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
extkb='HKCU\Software\Norvik\Tavel\DataV1_1\ExtKb'
button_first=1009 button_second=1010 magnifier_first=1031
lumara_first=1037 lumara_second=1039 lumara_label=1060
right_ctrl=4 f1=5 f7=11  # items of the first and second lists
shown() { probe shown "$1"; }
hidden() { ! probe shown "$1"; }
# A loaded machine may take a moment to show the page after the click on its
# tab; until then every row looks hidden.
external_page_shown() { eventually shown $magnifier_first; }
lumara_row_hidden() { hidden $lumara_label && hidden $lumara_first && hidden $lumara_second; }
button_row_grey() { shown $button_first && disabled $button_first && disabled $button_second; }
button_row_usable() { probe enabled $button_first && probe enabled $button_second; }
lumara_row_usable() {
  shown $lumara_label && shown $lumara_first && shown $lumara_second &&
    probe enabled $lumara_first && probe enabled $lumara_second
}
# Row 3 and row 9 of the external assignments as `reg query` shows them.
rows_3_and_9() { reg_value "$extkb" Mapdata | cut -c49-64,145-160; }
distinct_requests() { driver_log | tr ';' '\n' | grep . | sort -u | paste -sd' '; }
both_capability_words_only() {
  equals "$(distinct_requests)" "81008120:00000000 81008120:01000000"
}
lumara_set() { driver_log | grep -q '8100812C:00000106;'; }

clean_registry
stop_monitor
"$WINESERVER" -p
bash "$standins" install-driver "$4"

# Each bit only in the other selector's word: no Lumara, no branded button.
driver_answers Capabilities0=0x40 Capabilities1=0x1000000
"$WINE" "$bin/Tavelmon.exe" >/dev/null 2>&1 &
eventually monitor_runs
reg add "$extkb" /v ExtKbAsgnsAutoStatus /t REG_DWORD /d 0 /f
check "the program opens" start_panel
click_tab 1
check "the external keyboard page is shown" external_page_shown
check "bit 6 of selector 0 shows no Lumara row" lumara_row_hidden
check "bit 24 of selector 1 leaves row 3 grey" button_row_grey
check "the monitor and the program read capability words 0 and 1, nothing else" \
  both_capability_words_only
screenshot external-driver-no-lumara
driver_answers Capabilities0=0x1000000
click_tab 0
click_tab 1
check "row 3 is asked about afresh at the next visit: usable now" eventually button_row_usable
stop_panel

driver_answers Capabilities0=0x1000000 Capabilities1=0x40
check "the program opens again" start_panel
click_tab 1
check "the external keyboard page is shown again" external_page_shown
check "bit 6 of selector 1 shows the Lumara row, usable" lumara_row_usable
check "bit 24 of selector 0 alone makes row 3 usable" button_row_usable
check "... under the notebook's own name" test "$(probe text Tavelkit 1057)" = "&Varo"
check "the program asked both capability words afresh" both_capability_words_only
choose $button_first $right_ctrl
choose $button_second $f1
choose $lumara_first $right_ctrl
choose $lumara_second $f7
screenshot external-driver-lumara
probe click Tavelkit 1107
probe click Tavelkit 1000
rows_3_and_9_are() { [ "$(rows_3_and_9)" = "$1" ]; }
check "Apply writes Right Ctrl + F1 for row 3 and Right Ctrl + F7 for Lumara" \
  eventually rows_3_and_9_are A300000070000000A300000076000000

sleep 0.5  # the monitor takes the record 250 ms after the hand-over
driver_answers Capabilities1=0x40
right_ctrl_f7() { xdotool keydown 105; sleep 0.1; xdotool key 73; sleep 0.1; xdotool keyup 105; }
observe_keys right_ctrl_f7 >/dev/null
check "the monitor triggers Lumara on Right Ctrl + F7" lumara_set
focus_window Tavelkit

stop_panel
stop_monitor
remove_standins
clean_registry
finish
