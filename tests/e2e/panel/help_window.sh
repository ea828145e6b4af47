#!/usr/bin/env bash
# Help end to end: the Help button and F1 on a page open the compiled help
# file in the HTML Help window at its start topic. With no installation
# folder recorded, the file is the one beside the program. A help control
# that could not be loaded is tried again at the next request.
#
# Wine renders no topic here (it has no HTML engine without Gecko, which
# Debian does not ship): the window, its title and contents from inside the
# file, and HTML Help's own trace of the topic it opens are what is checked.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
trace=$(mktemp)
help_window() { probe class "HH Parent"; }
no_help_window() { ! help_window; }
help_titled() { probe visible "Tavelkit Help"; }
# HTML Help's trace names the file and the topic it shows.
openings() { grep -ac 'navigate_url .*\\keymap\.chm::/keymap\.htm"' "$trace"; }
opened_times() { [ "$(openings)" = "$1" ]; }
# The trace doubles each backslash: ...\\windows\\bin\\keymap.chm" L"keymap.htm"
beside_program() {
  grep -aqF "$(basename "$(dirname "$bin")")\\\\bin\\\\keymap.chm\" L\"keymap.htm\"" "$trace"
}
close_help() { probe close "Tavelkit Help" >/dev/null && eventually window_gone "Tavelkit Help"; }

clean_registry
[ -f "$bin/keymap.chm" ] || fail "keymap.chm is not beside the program"
reg add "$panel_overrides" /v hhctrl.ocx /d '' /f  # the control cannot be loaded
WINEDEBUG=trace+htmlhelp "$WINE" "$bin/Tavelpanel.exe" >/dev/null 2>"$trace" &
PANEL_PID=$!
PANEL_PIDS+=("$PANEL_PID")
eventually panel_visible

probe click Tavelkit 1014 >/dev/null  # Help
sleep 3
check "Help without a loadable help control opens nothing" no_help_window
reg delete "$panel_overrides" /v hhctrl.ocx /f
probe click Tavelkit 1014 >/dev/null
check "the Help button opens the HTML Help window" eventually help_window
check "... titled from inside the help file" eventually help_titled
check "... at the start topic" eventually opened_times 1
check "... of the file beside the program" beside_program
screenshot help-window
check "the help window closes" close_help

focus_window Tavelkit
click_tab 2
xdotool mousemove $(probe center 1080) click 1  # the Esc slider has the focus
keys F1
check "F1 on the Key Sensitivity page opens the help window again" eventually help_titled
check "... at the same topic" eventually opened_times 2
screenshot help-window-from-f1
close_help

stop_panel
rm -f "$trace"
reg delete "$panel_overrides" /f
clean_registry
finish
