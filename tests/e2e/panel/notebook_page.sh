#!/usr/bin/env bash
# The notebook keyboard page driven like a user: lists opened by a click and
# picked from with the keys, the refusals with their messages, the layout
# renaming the modifiers, Apply writing the records, and a running monitor
# turning the newly chosen key into the Windows key.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
vrkb='HKCU\Software\Norvik\Tavel\DataV1_1\VrKb'
mapdata() { reg_value "$vrkb" Mapdata; }
mapdata_is() { [ "$(mapdata)" = "$1" ]; }
# Sorted list positions of the English layout names.
arabic=0 german=8 korean=14 us_english=29
windows=1002 application=1056 eject_first=1122 eject_second=1123
volup_first=1124 volup_second=1125 voldown_second=1127

clean_registry
stop_monitor
reg add 'HKLM\SOFTWARE\Norvik\Tavel\Path' /ve /d 'C:\TavelE2E' /f

check "the program opens" start_panel
check "the default Windows key is the right Alt key" selected_text_is $windows "Right Alt Key"
check "... and no Application key is assigned" selection_is $application 0
screenshot notebook-us-english
"$WINE" "$bin/Tavelmon.exe" >/dev/null 2>&1 &
check "a monitor runs beside the program" eventually monitor_runs

choose $windows 3
check "Left Ctrl Key becomes the Windows key" selected_text_is $windows "Left Ctrl Key"
check "... which enables Apply" probe enabled 1000
choose $application 3
check "the same key as Application key is refused" \
  message_shown "Key already selected. Please select a unique key."
check "... and the list shows its previous item again" selection_is $application 0

choose $eject_second 1
probe click Tavelkit 1000
check "Apply refuses a row with only a second key" \
  message_shown "Please make both First Key and Second Key selections for: CD or DVD Eject."
check "... writing nothing" equals "$(mapdata)" A50000005B0000000000000000000000
choose $eject_first 4
choose $volup_second 1
choose $volup_first 4
check "a combination another row holds is refused" \
  message_shown "Key combination already exists. Please select a unique combination."
check "... and the list falls back to its previous item" selection_is $volup_first 0
choose $volup_second 0
check "\"(not assigned)\" empties the row" selection_is $volup_second 0

choose 1001 $german
check "the German layout renames the modifiers" selected_text_is $windows "Left Strg Key"
check "... keeping the choice" selection_is $windows 3
screenshot notebook-german
probe click Tavelkit 1106
probe click Tavelkit 1000
check "Apply writes the Windows key" eventually mapdata_is A20000005B0000000000000000000000
check "... the eject combination" equals "$(reg_value "$vrkb" MapdataBrw)" \
  A3000000A600000000000000000000000000000000000000
check "... the layout" value_is "$vrkb" VrKbLangId 0x8
check "... and the switch" value_is "$vrkb" VrKbAsgnsStatus 0x1
check "... and disables itself" eventually apply_disabled

# The channel hands the record over in 250 ms; give the monitor a little more.
sleep 0.5
left_ctrl() { xdotool keydown 37; sleep 0.1; xdotool keyup 37; }
seen=$(observe_keys left_ctrl)
check "the running monitor makes left Ctrl the Windows key" grep -qxE 'key 5B 1[01]' <<<"$seen"
check "... down and up" grep -qxE 'key 5B 9[01]' <<<"$seen"
focus_window Tavelkit

choose 1001 $arabic
check "Arabic keyboards name the left Shift key English" equals "$(probe item-text $windows 1)" English
check "... and show the Arabic-script key on the right one" equals "$(probe item-image $windows 2)" 1
xdotool mousemove $(probe center $windows) click 1
screenshot notebook-arabic
xdotool key Escape
choose 1001 $korean
check "Korean keyboards show the Hanja key on right Ctrl" equals "$(probe item-image $windows 4)" 2
check "... and the Han/Yeong key on right Alt" equals "$(probe item-image $windows 6)" 3
xdotool mousemove $(probe center $windows) click 1
screenshot notebook-korean
xdotool key Escape
choose 1001 $us_english

xdotool mousemove $(probe center $voldown_second) click 1
keys Escape Tab
check "Tab from the last list goes to the Options button" eventually focus_is 1143

click_tab 2
probe click Tavelkit 1137  # "Enable Browser Keys" off
click_tab 0
check "without browser keys the combination rows are grey" eventually disabled $eject_first
xdotool mousemove $(probe center $application) click 1
keys Escape Tab
check "... and Tab from the Application key goes to Options" eventually focus_is 1143
screenshot notebook-browser-keys-off

stop_panel
stop_monitor

# The page at 150 %: the symbols come from their 144 dpi artwork.
width() { read -r left _ right _ < <(probe rect); echo $((right - left)); }
start_panel
normal_width=$(width)
stop_panel
desktop='HKCU\Control Panel\Desktop'
reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f
check "the program opens at 144 dpi" start_panel
check "... about half as large again" test $(( $(width) * 100 / normal_width )) -ge 135
for layout in us_english german arabic korean; do
  choose 1001 ${!layout}
  xdotool mousemove $(probe center $windows) click 1
  screenshot notebook-150-${layout/_/-}
  xdotool key Escape
done
stop_panel
reg delete "$desktop" /v LogPixels /f

clean_registry
finish
