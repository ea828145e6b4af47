#!/usr/bin/env bash
# The Options dialog end to end: switching the product off and on (the
# monitor, its logon start and the pages follow), the reset of every group
# reaching the registry and a running monitor, the summary written into the
# documents folder byte for byte, read-only and opened in Notepad (twice),
# and F1 asking HTML Help for the product's help file.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
golden="$here/../../unit/panel/golden/summary_defaults.txt"
stand='HKLM\Software\TavelStandIns'
vrkb='HKCU\Software\Norvik\Tavel\DataV1_1\VrKb'
run='HKCU\SOFTWARE\MICROSOFT\Windows\CurrentVersion\Run'
data='HKCU\Software\Norvik\Tavel\DataV1_1'
# Wine links the documents folder to the Unix home; the test keeps its own.
documents="$WINEPREFIX/drive_c/users/$(id -un)/Documents"
[ -L "$documents" ] && rm "$documents" && mkdir "$documents"
report="$documents/TVKSmry.txt"
options() { probe click Tavelkit 1143 >/dev/null && eventually probe visible Options; }
options_ok() { probe click Options 1 >/dev/null && eventually window_gone Options; }
notepads() { xdotool search --onlyvisible --name 'TVKSmry.txt - Notepad' 2>/dev/null | wc -l; }
notepads_are() { [ "$(notepads)" = "$1" ]; }
hint_only() { ! probe shown 1002 && probe shown 1153; }

clean_registry
stop_monitor
"$WINESERVER" -p
install_standins "$3"
no_keyboard
reg add "$stand\\tvkif32" /v FnFxAvailable /t REG_DWORD /d 0 /f  # a notebook without them
reg add 'HKLM\SOFTWARE\Norvik\Tavel\Path' /ve /d 'C:\TavelE2E' /f
rm -f "$documents"/TVKSmry*.txt

check "the program opens" start_panel
choose 1002 3  # Left Ctrl as the Windows key
probe click Tavelkit 1106
probe click Tavelkit 1000
check "Apply starts the monitor, now needed" eventually monitor_runs
check "... with its logon start" eventually has_value "$run" TAVELMON

options
probe click Options 1138  # Disable Tavelkit
options_ok
check "disabling the product stops the monitor" eventually no_monitor
check "... removes the logon start" eventually not_has_value "$run" TAVELMON
check "... stores TVKStatus 1" value_is "$data" TVKStatus 0x1
check "... and leaves only the hint on the page" hint_only
screenshot product-disabled-by-options
options
check "the Options dialog shows the product disabled" probe dialog-checked Options 1138
probe click Options 1138
options_ok
check "enabling it again starts the monitor" eventually monitor_runs
check "... and shows the page again" probe shown 1002

options
screenshot options-dialog
probe click Options 1140
check "Reset to Defaults opens its dialog" eventually probe visible Tavelkit
sleep 0.5
check "... with all four groups checked" eval 'for id in 1105 1106 1107 1108; do probe dialog-checked Tavelkit $id || exit 1; done'
screenshot reset-dialog
probe dialog-click Tavelkit 1
sleep 0.5
check "nothing is reset before Options closes" equals "$(reg_value "$vrkb" Mapdata)" A20000005B0000000000000000000000
options_ok
check "OK resets the notebook keys in the registry" \
  eventually value_is "$vrkb" Mapdata A50000005B0000000000000000000000
check "... and on the page" eventually selected_text_is 1002 "Right Alt Key"
check "... keeping the switches" value_is "$vrkb" VrKbAsgnsStatus 0x1
sleep 0.5
right_alt() { xdotool keydown 108; sleep 0.1; xdotool keyup 108; }
check "the running monitor uses right Alt as the Windows key again" \
  grep -qxE 'key 5B 1[01]' <<<"$(observe_keys right_alt)"
focus_window Tavelkit

# Disable with a reset: the reset starts the monitor (the product is still
# on for it), then the product goes off and stops it; the stop must find it.
stop_monitor
options
probe click Options 1138  # Disable Tavelkit
probe click Options 1140  # Reset to Defaults...
eventually probe visible Tavelkit
sleep 0.5
probe dialog-click Tavelkit 1
sleep 0.5
options_ok
probe tab >/dev/null  # answered once the outcome has been carried out
check "disabling with a reset leaves no monitor running" no_monitor
sleep 3
check "... not even a moment later" no_monitor
options
probe click Options 1138
options_ok
check "enabling the product again starts the monitor" eventually monitor_runs

options
probe click Options 1141  # View Summary
check "View Summary opens the report in Notepad" eventually notepads_are 1
check "... keeping the Options dialog open" probe visible Options
check "... after writing it to the documents folder" test -f "$report"
check "... byte for byte (but the time)" cmp -s <(sed 2d "$report") <(sed 2d "$golden")
check "... modified today" grep -q "^Modified: $(date +%Y-%m-%d) [0-2][0-9]:[0-5][0-9]:[0-5][0-9]"$'\r'"\$" "$report"
check "... and read-only" test "$(stat -c %A "$report" | cut -c3,6,9)" = "---"
probe click Options 1141
check "a second View Summary while the first is open still shows one" eventually notepads_are 2
check "... in the same file" test ! -e "$documents/TVKSmry1.txt"
screenshot summary-in-notepad
probe click Options 2
eventually window_gone Options
pkill -f 'notepad.exe' 2>/dev/null

stop_panel
trace=$(mktemp)
WINEDEBUG=trace+htmlhelp "$WINE" "$bin/Tavelpanel.exe" >/dev/null 2>"$trace" &
PANEL_PID=$!
PANEL_PIDS+=("$PANEL_PID")
eventually panel_visible
focus_window Tavelkit
xdotool mousemove $(probe center 1002) click 1
keys Escape F1
check "F1 on a page asks HTML Help for the help file's start topic" \
  eventually grep -aq 'HtmlHelpW.*keymap.chm.*HH_DISPLAY_TOPIC' "$trace"
rm -f "$trace"

stop_panel
stop_monitor
remove_standins
reg delete 'HKLM\SOFTWARE\Norvik\Tavel\Path' /f
rm -f "$documents"/TVKSmry*.txt
clean_registry
finish
