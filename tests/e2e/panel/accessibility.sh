#!/usr/bin/env bash
# What a screen reader hears of the configuration program, and its use with
# the keyboard alone. Inside the program, where a screen reader's client
# reads it (Wine hands the objects to no other process), every control of
# the four pages, the main dialog, Options, Reset to Defaults and the About
# box is described: its name, which says its row and column, its role, its
# value, and the items of every list. The description must be the table
# beside this script, for English and for Japanese
# (accessibility_<language>.txt). In English, Tab and Shift+Tab then go
# round each page, every control on the way, and the letters the labels
# show take the focus to their lists and sliders: on the 32-bit product
# only, as the keyboard's way through the program is the same in both
# widths, while the objects handed to a screen reader are not.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }

# Without a window manager Wine waits two seconds for one whenever a window
# of the program closes; windows it does not hand to a manager close at once.
unmanaged='HKCU\Software\Wine\AppDefaults\Tavelpanel.exe\X11 Driver'
"$WINE" reg add "$unmanaged" /v Managed /d N /f >/dev/null 2>&1

# The program closed, the prefix as it was.
end_test() {
  stop_panel
  "$WINE" reg delete "$unmanaged" /f >/dev/null 2>&1
  clean_registry
  finish
}

front() { probe front-title; }
front_is_not() { local title; title=$(front) && [ "$title" != "$1" ]; }
no_front() { ! front >/dev/null; }

# Every page created (a page's window exists once its tab was selected),
# then the main window and each dialog box in turn.
describe_everything() {
  local options
  for tab in 1 2 3; do show_tab "$tab"; done
  probe describe main
  probe post 0x0112 16  # WM_SYSCOMMAND IDM_ABOUTBOX
  eventually front >/dev/null && probe describe front
  probe front-click 1 >/dev/null
  eventually no_front
  probe click Tavelkit 1143 >/dev/null
  eventually front >/dev/null && options=$(front) && probe describe front
  probe front-click 1140 >/dev/null  # Reset to Defaults, over Options
  eventually front_is_not "$options" && probe describe front
  probe front-click 2 >/dev/null
  eventually front_is_not Tavelkit
  probe front-click 2 >/dev/null
  eventually no_front
}

heard_as_in_table() {
  local table=$here/accessibility_$1.txt heard
  heard=$(describe_everything)
  diff -u "$table" <(echo "$heard") && return 0
  mkdir -p "$shots/accessibility"
  echo "$heard" >"$shots/accessibility/$1.txt"
  return 1
}

# Japanese first: the English program stays open for the keyboard. Each
# starts as a new user of its language (the layout follows the locale).
for entry in "ja ja_JP.UTF-8" "en C.UTF-8"; do
  read -r language lang <<<"$entry"
  clean_registry
  LANG=$lang check "$language: the program opens" start_panel
  check "$language: every control is heard as the table says" heard_as_in_table "$language"
  [ "$language" = en ] || stop_panel
done
[ "$(windows_bits "$bin/Tavelpanel.exe")" = 64 ] && end_test

# Keyboard alone, in English. Each key's focus change is an event the
# program raises; one watcher sees them all. From each tab (the first click
# moves the focus from Close to the strip): Tab round to the tab strip
# again, then Shift+Tab back round. Disabled and hidden
# controls are passed over (the external page's Varo, wireless radio,
# Dovra and Lumara rows, Apply while nothing changed).
round_trip=(
  "1106 1001 1002 1056 1122 1123 1124 1125 1126 1127 1143 2 1014 12320"
  "1107 1003 1004 1005 1006 1007 1008 1011 1012 1013 1014 1031 1032 1143 2 1014 12320"
  "1080 1081 1082 1083 1137 1085 1087 1084 1143 2 1014 12320"
  "1115 1104 1004 1116 1106 1005 1117 1108 1006 1118 1110 1007 1119 1112 1008 1120 1114 1009 1143 2 1014 12320"
)
# Shift+Tab from the tab strip: the same way back.
backwards() {
  local ids=($1) back="" i
  for ((i = ${#ids[@]} - 2; i >= 0; i--)); do back+="${ids[i]} "; done
  echo "${back}12320"
}
presses() { local key=$1 count=$2; for _ in $(seq "$count"); do printf '%s ' "$key"; done; }
focus_seen=$(mktemp)
timeout 120 "$WINE" "${TAVEL_NATIVE_PROBE_DIR:-$bin}/panel_probe.exe" events 60 >"$focus_seen" 2>/dev/null &
watcher=$!
sleep 1
focus_window Tavelkit
for tab in 0 1 2 3; do
  show_tab "$tab"
  steps=$(wc -w <<<"${round_trip[tab]}")
  xdotool key --delay 80 $(presses Tab "$steps") $(presses shift+Tab "$steps")
  sleep 1
done
kill "$watcher" 2>/dev/null
wait "$watcher" 2>/dev/null
# From the first click on; an extended list says so twice, for itself and
# its combo box inside; the strip keeps the focus from one tab to the next.
seen=$(tr -d '\r' <"$focus_seen" |
  awk '$1 == "focus" && ($2 == 12320 || last) && $2 != last { printf "%s ", $2; last = $2 }')
rm -f "$focus_seen"
expected="12320 "
for tab in 0 1 2 3; do expected+="${round_trip[tab]} $(backwards "${round_trip[tab]}") "; done
check "Tab and Shift+Tab go round every page, every control on the way" equals "$seen" "$expected"

# Alt and a label's letter: the list or slider after the label.
accelerators=(
  "0 alt+l 1001 alt+w 1002 alt+p 1056 alt+v 1122 alt+u 1124 alt+d 1126"
  "1 alt+p 1003 alt+w 1005 alt+m 1007 alt+s 1011 alt+b 1013 alt+f 1031"
  "2 alt+s 1080 alt+f 1081 alt+b 1082 alt+p 1083 alt+r 1085 alt+w 1087"
)
focus_is() { [ "$(probe focus-id)" = "$1" ]; }
heard() { local all; all=$(probe describe main); grep -qxF "$1" <<<"$all"; }
for entry in "${accelerators[@]}"; do
  set -- $entry
  page=$1
  show_tab "$page"
  shift
  while [ $# -gt 0 ]; do
    xdotool key "$1"
    check "tab $page: $1 takes the focus to $2" eventually focus_is "$2"
    shift 2
  done
done
# Two steps to the right on the Esc slider are heard as 400 ms.
slider_at() { [ "$(probe slider "$1")" = "$2" ]; }
xdotool key alt+s Right Right
check "the keyboard moves a slider" eventually slider_at 1080 2
check "... which is heard as its duration" heard "Key Sensitivity #1080 slider: Esc, key press duration = 400 ms"
end_test
