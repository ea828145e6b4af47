# Shared by the configuration program's end-to-end scripts. Sourced with the
# folder of the Windows binaries in $1 and a folder for screenshots in $2;
# uses the Wine prefix and X display the caller set up.
set -u -o pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../../tools/wine-env"
. "$here/../observe_keys.sh"
bin=$1
shots=$2
mkdir -p "$shots"
failures=0
PANEL_PIDS=()

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then echo "ok: $what"; else fail "$what"; fi; }
# The probe reads the program's windows. Under emulation each start of the
# 32-bit probe costs about 0.4 s against 0.04 s natively, and the tests call
# it hundreds of times; so where the 64-bit build's probe is at hand
# (TAVEL_NATIVE_PROBE_DIR) it does the reading, through messages both widths
# understand. A list item's text and image, read through a structure with
# pointers in the program's memory (extended lists), and the work done
# inside the program (measuring texts, reading what a screen reader hears,
# reporting high contrast) need the program's own width.
# Work inside an emulated program (reading every control's object goes
# through COM for each) takes seconds; it gets a minute.
probe() {
  local folder=$bin limit=20
  case $1 in
    selected-text | item-text | item-image) ;;
    fit | describe | high-contrast) limit=60 ;;
    *) [ -x "${TAVEL_NATIVE_PROBE_DIR:-}/panel_probe.exe" ] && folder=$TAVEL_NATIVE_PROBE_DIR ;;
  esac
  timeout $limit "$WINE" "$folder/panel_probe.exe" "$@" | tr -d '\r'
}
# The registry as the program sees it: a 32-bit one reads the 32-bit view.
view=/reg:$(windows_bits "$bin/Tavelpanel.exe")
reg() { "$WINE" reg "$@" "$view" >/dev/null 2>&1; }
reg_value() {  # key value -> data column of `reg query`
  "$WINE" reg query "$1" /v "$2" "$view" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { print $3 }'
}

value_is() { [ "$(reg_value "$1" "$2")" = "$3" ]; }
has_value() { [ -n "$(reg_value "$1" "$2")" ]; }
not_has_value() { ! has_value "$@"; }
apply_disabled() { ! probe enabled 1000; }
# Shown but grey: a control that does not exist (yet) is not disabled.
disabled() { probe shown "$1" && ! probe enabled "$1"; }

# Waits up to 15 s for a command to succeed.
eventually() {
  for _ in $(seq 150); do "$@" && return 0; sleep 0.1; done
  return 1
}
pid_gone() { ! kill -0 "$1" 2>/dev/null; }
equals() { [ "$1" = "$2" ] || { echo "  expected '$2', got '$1'"; return 1; }; }
panel_visible() { probe visible Tavelkit; }
selected_tab_is() { [ "$(probe tab)" = "$1" ]; }
foreground_is() { [ "$(probe foreground)" = "$1" ]; }
focus_is() { [ "$(probe focus-id)" = "$1" ]; }
window_gone() { ! probe visible "$1"; }

# Starts the configuration program in the background and waits for its window.
start_panel() {
  "$WINE" "$bin/Tavelpanel.exe" "$@" >/dev/null 2>&1 &
  PANEL_PID=$!
  PANEL_PIDS+=("$PANEL_PID")
  eventually panel_visible
}

stop_panel() {
  timeout 20 "$WINE" "$bin/Tavelpanel.exe" /x
  eventually pid_gone "$PANEL_PID"
}

x_window() { xdotool search --onlyvisible --name "^$1\$" | head -1; }
focus_window() { xdotool windowfocus --sync "$(x_window "$1")" 2>/dev/null; sleep 0.3; }
click_tab() {
  local at
  at=$(probe tab-center "$1") || return 1
  xdotool mousemove $at click 1
  sleep 0.5
}
# A click on tab N, and its page shown: an emulated program may still be
# busy with the click after click_tab's pause.
show_tab() { click_tab "$1" && eventually selected_tab_is "$1" && sleep 0.5; }
keys() { xdotool key "$@"; sleep 0.5; }
# Picks item N of the drop-down list ID the way a user does: a click opens
# it, Home and N times Down move to the item, Enter takes it. The keys wait
# for the list to be open (keys for a closed list do other things), and the
# next step for it to be closed again.
dropped() { probe dropped "$1"; }
not_dropped() { ! dropped "$1"; }
choose() {
  local at
  at=$(probe center "$1") || return 1
  xdotool mousemove $at click 1
  eventually dropped "$1" || return 1
  xdotool key Home
  for _ in $(seq "$2"); do xdotool key Down; done
  xdotool key Return
  eventually not_dropped "$1"
  sleep 0.5
}
selection_is() { [ "$(probe selection "$1")" = "$2" ]; }
selected_text_is() { [ "$(probe selected-text "$1")" = "$2" ]; }
message_is() { [ "$(probe message)" = "$1" ]; }
# The message box shows the text, and its OK closes it. Without a window
# manager Wine keeps the closed box's X window mapped for about two seconds,
# catching clicks meant for the page below: wait until it is gone.
message_shown() {
  eventually message_is "$1" && probe message-ok >/dev/null && eventually no_message &&
    eventually only_main_x_window
}
only_main_x_window() { [ "$(xdotool search --onlyvisible --name '^Tavelkit$' | wc -l)" = 1 ]; }
no_message() { ! probe message >/dev/null; }
screenshot() { sleep 0.3; import -window root "$shots/$1.png"; }

# Darkest grey level (0-255) in a strip across the middle of tab N's label.
tab_label_darkest() {
  local x y
  read -r x y < <(probe tab-center "$1")
  import -window root -crop "40x6+$((x - 20))+$((y - 3))" +repage -colorspace Gray \
    -format '%[fx:int(255*minima)]' info:
}

# The stand-ins for the outside services and the device tree, the latter
# for this program too ($3 is the folder they were built in).
standins="$here/../../../stand-ins/standins.sh"
panel_overrides='HKCU\Software\Wine\AppDefaults\Tavelpanel.exe\DllOverrides'
install_standins() {
  bash "$standins" install "$1"
  reg add "$panel_overrides" /v cfgmgr32 /d native /f
}
remove_standins() {
  reg delete "$panel_overrides" /f
  bash "$standins" remove
}
# The maker's USB keyboard attached (or nothing at all) in the stand-in tree.
maker_keyboard() {
  reg add 'HKLM\Software\TavelStandIns\cfgmgr32' /v Devices /t REG_MULTI_SZ \
    /d 'HID\Vid_2F4E&Pid_3018\7&1&0|{4d36e96b-e325-11ce-bfc1-08002be10318}|' /f
}
no_keyboard() { reg delete 'HKLM\Software\TavelStandIns\cfgmgr32' /v Devices /f; }
service_log() { reg_value 'HKLM\Software\TavelStandIns\Services\TavelSVC' CallLog; }
clear_service_log() { reg delete 'HKLM\Software\TavelStandIns\Services\TavelSVC' /v CallLog /f; }
monitor_runs() { probe class TavelmonWndClass; }
no_monitor() { ! monitor_runs; }
stop_monitor() { timeout 20 "$WINE" "$bin/Tavelmon.exe" /x; eventually no_monitor; }

# Removes what the scripts seed: the user's settings, the machine-wide values
# and the logon start.
clean_registry() {
  reg delete 'HKCU\Software\Norvik' /f
  reg delete 'HKLM\Software\Norvik' /f
  reg delete 'HKCU\SOFTWARE\MICROSOFT\Windows\CurrentVersion\Run' /v TAVELMON /f
}

finish() {
  for pid in "${PANEL_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  [ "$failures" -eq 0 ] && echo "all passed" || echo "$failures failed"
  exit $((failures != 0))
}
