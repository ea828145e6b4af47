#!/usr/bin/env bash
# With the maker's USB keyboard attached the External Keyboard tab is grey
# and cannot be reached by click, arrows or Ctrl+Tab; plugging and unplugging
# while the program runs switches it about 4 s after the device notification.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
install_standins "$3"
clean_registry
maker_keyboard

dark_label() { [ "$(tab_label_darkest "$1")" -lt 60 ]; }
grey_label() { [ "$(tab_label_darkest "$1")" -gt 80 ]; }

check "the program opens with the maker's keyboard attached" start_panel
focus_window Tavelkit
check "the External Keyboard label is grey" grey_label 1
check "... the others are not" dark_label 0
screenshot external-tab-disabled

check "clicking the grey tab" click_tab 1
check "... leaves the first tab selected" selected_tab_is 0
check "Right arrow from the first tab" click_tab 0
keys Right
check "... skips the grey tab" eventually selected_tab_is 2
keys Left
check "Left arrow skips it back" eventually selected_tab_is 0
keys Left
check "Left arrow on the first tab does not wrap" selected_tab_is 0
keys ctrl+Tab
check "Ctrl+Tab from the first tab skips the grey one" eventually selected_tab_is 2
click_tab 3
keys ctrl+Tab
check "Ctrl+Tab on the last tab wraps to the first" eventually selected_tab_is 0
keys ctrl+shift+Tab
check "Ctrl+Shift+Tab on the first tab wraps to the last" eventually selected_tab_is 3
keys ctrl+Next
check "Ctrl+Page Down wraps too" eventually selected_tab_is 0
keys ctrl+Prior
check "Ctrl+Page Up wraps back" eventually selected_tab_is 3

# Unplugged while running: enabled again after the re-check.
no_keyboard
probe post 0x0219 0x0007  # WM_DEVICECHANGE DBT_DEVNODES_CHANGED
sleep 2
check "2 s after unplugging the tab is still grey" grey_label 1
check "... and about 4 s after, no longer" eventually dark_label 1
check "... and a click selects it" click_tab 1
check "... indeed" eventually selected_tab_is 1

# Plugged in while the External Keyboard tab is selected.
maker_keyboard
probe post 0x0219 0x0007
check "plugging in moves the selection off it to the first tab" eventually selected_tab_is 0
check "... and greys it" grey_label 1

stop_panel
no_keyboard
clean_registry
remove_standins
finish
