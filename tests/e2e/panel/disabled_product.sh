#!/usr/bin/env bash
# With the product disabled by the user each page shows only its hint, and
# Tab from the tab strip goes straight to Options; Enter closes the program.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
clean_registry
reg add 'HKCU\Software\Norvik\Tavel\DataV1_1' /v TVKStatus /t REG_DWORD /d 1 /f
hint_only() {  # hint id, a control id of the same page
  probe shown "$1" && ! probe shown "$2"
}

check "the program opens" start_panel
check "Close has the focus at first" eventually focus_is 2
check "the notebook page shows only its hint" hint_only 1153 1106
screenshot product-disabled
focus_window Tavelkit
click_tab 2
check "so does the key sensitivity page" hint_only 1155 1137
keys Tab
check "Tab from the tab strip goes to Options" eventually focus_is 1143
keys shift+Tab
check "Shift+Tab from Options goes back to the tab strip" eventually focus_is 12320
keys shift+Tab
check "Shift+Tab from the tab strip goes to Help" eventually focus_is 1014
keys Tab
check "Tab from Help goes to the tab strip" eventually focus_is 12320

keys Return
check "Enter closes the program" eventually pid_gone "$PANEL_PID"

clean_registry
finish
