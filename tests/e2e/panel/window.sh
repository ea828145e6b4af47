#!/usr/bin/env bash
# The real Tavelpanel.exe opens its window with the four tabs, stays a single
# instance, ignores maximize, shows the installed version in its About box
# and ends on "Tavelpanel /x".
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
clean_registry
reg add 'HKLM\SOFTWARE\Norvik\Tavel\InstallInfo' /v TAVELVersion /d '7.3.1-e2e' /f

check "the program opens its window" start_panel
first=$PANEL_PID
check "the notebook keyboard tab is selected first" selected_tab_is 0
check "the first start writes a new user's settings" \
  equals "$(reg_value 'HKCU\Software\Norvik\Tavel\DataV1_1' TVKStatus)" 0x0
screenshot tab0-notebook-keyboard
for tab in 1 2 3; do
  check "a click selects tab $tab" click_tab "$tab"
  check "... which is then selected" eventually selected_tab_is "$tab"
  screenshot "tab$tab"
done
mv "$shots/tab1.png" "$shots/tab1-external-keyboard.png"
mv "$shots/tab2.png" "$shots/tab2-key-sensitivity.png"
mv "$shots/tab3.png" "$shots/tab3-special-characters.png"

rect=$(probe rect)
probe post 0x0112 0xF030  # WM_SYSCOMMAND SC_MAXIMIZE
sleep 1
check "SC_MAXIMIZE leaves the window as it was" equals "$(probe rect)" "$rect"
probe post 0x001A 0  # WM_SETTINGCHANGE
sleep 1
check "a settings change lays the window out again where it is" equals "$(probe rect)" "$rect"

# Another program in front, then a second start.
"$WINE" notepad.exe >/dev/null 2>&1 &
notepad=$!
eventually probe visible 'Untitled - Notepad' >/dev/null
check "notepad came to the front" eventually foreground_is 'Untitled - Notepad'
check "a second start exits" timeout 20 "$WINE" "$bin/Tavelpanel.exe"
check "... leaving one window" equals "$(probe count Tavelkit)" 1
check "... the first one, brought to the front" equals "$(probe foreground)" Tavelkit
check "... whose process still runs" kill -0 "$first"
kill "$notepad" 2>/dev/null

probe post 0x0112 16  # WM_SYSCOMMAND IDM_ABOUTBOX
check "the system menu's About item opens the About box" eventually probe visible 'About Tavelkit'
check "... showing the installed version" equals "$(probe text 'About Tavelkit' 1025)" 7.3.1-e2e
screenshot about-box
probe click 'About Tavelkit' 1  # OK
check "... and OK closes it" eventually window_gone 'About Tavelkit'

check "'Tavelpanel /x' exits" timeout 20 "$WINE" "$bin/Tavelpanel.exe" /x
check "... and ends the running program" eventually pid_gone "$first"
check "'/x' with none running exits quietly" timeout 20 "$WINE" "$bin/Tavelpanel.exe" /x

clean_registry
finish
