#!/usr/bin/env bash
# The real Tavelpanel.exe opens its window with the four tabs, stays a single
# instance, ignores maximize, shows the installed version in its About box
# and ends on "Tavelpanel /x" and on WM_CLOSE. Another program's window with
# the same title is never taken for it.
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

# A window wider than the band's 1600-pixel picture (a wide screen of many
# dots per inch): the heading keeps its place at the left, and the band its
# colour all the way across.
read -r band_x band_y band_width < <(probe wide-band 2000)
check "the caption band can be made 2000 pixels wide" test "$band_width" = 2000
sleep 1
screenshot wide-band
band_pixels() { import -window root -crop "$1x30+$((band_x + $2))+$((band_y + 4))" +repage txt:-; }
check "a band wider than its picture shows the heading at its left" \
  test "$(band_pixels 150 10 | grep -c '#FFFFFF')" -gt 20
colour_at() { import -window root -crop "1x1+$((band_x + $1))+$((band_y + 3))" +repage -format '%[hex:p{0,0}]' info:; }
check "... the picture's left edge drawn out to the band's left" equals "$(colour_at 380)" "$(colour_at 2)"
check "... not black" test "$(band_pixels 8 0 | grep -c '#000000')" = 0
probe post 0x001A 0  # WM_SETTINGCHANGE: laid out again

probe post 0x0112 16  # WM_SYSCOMMAND IDM_ABOUTBOX
check "the system menu's About item opens the About box" eventually probe visible 'About Tavelkit'
check "... showing the installed version" equals "$(probe text 'About Tavelkit' 1025)" 7.3.1-e2e
screenshot about-box
probe click 'About Tavelkit' 1  # OK
check "... and OK closes it" eventually window_gone 'About Tavelkit'

check "'Tavelpanel /x' exits" timeout 20 "$WINE" "$bin/Tavelpanel.exe" /x
check "... and ends the running program" eventually pid_gone "$first"
check "'/x' with none running exits quietly" timeout 20 "$WINE" "$bin/Tavelpanel.exe" /x

# "End Task" and taskkill without /f ask the window to close.
check "the program opens again" start_panel
probe close Tavelkit
check "WM_CLOSE ends the program" eventually pid_gone "$PANEL_PID"
check "... so that the next start opens a window" start_panel

# A folder window of the installation folder bears the title too.
"$WINE" "$bin/panel_probe.exe" decoy Tavelkit 25 >/dev/null 2>&1 &
decoy=$!
two_titled() { [ "$(probe count Tavelkit)" = 2 ]; }
check "another program shows a window titled Tavelkit" eventually two_titled
check "a second start exits" timeout 20 "$WINE" "$bin/Tavelpanel.exe"
check "... bringing the program to the front, not the other window" \
  equals "$(probe foreground-class)" TavelkitWnd
check "'/x' ends the program" timeout 20 "$WINE" "$bin/Tavelpanel.exe" /x
check "... the program, not the other window" eventually pid_gone "$PANEL_PID"
check "... which stays" kill -0 "$decoy"
kill "$decoy" 2>/dev/null

clean_registry
finish
