#!/usr/bin/env bash
# The Windows Installer package end to end, in a Wine prefix of its own made
# for this test (a machine that never had the product):
#   msiexec /i puts the three programs and the help file into the 32-bit
#   Program Files folder, the installation record into the registry view the
#   32-bit programs read, and a shortcut into the Start menu; the installed
#   configuration program starts, finds its help through that record, and
#   starts the installed monitor when a setting needs it;
#   msiexec /i of a newer version (the same sources built as the next
#   version, tests/e2e/installer/newer_package.sh) replaces it in place while
#   both programs run: it ends them, leaves one installed product with the
#   new files, the Start menu entry, the user's settings and logon start, and
#   starts the new monitor again; the older package then refuses to go back;
#   msiexec /x ends both programs, removes the files, the shortcut, the
#   record and the logon start, and keeps the user's settings.
# Arguments: the package, the folder of the binaries it was built from (for
# the probe and for comparing files), the screenshot folder, the version,
# then the same package, folder and version of the newer build.
set -u -o pipefail
msi=$1 built=$2 version=$4 newer_msi=$5 newer_built=$6 newer_version=$7
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX
WINEPREFIX=$(cd "$(dirname "$msi")" && pwd)/installer-prefix
. "$here/../panel/panel_lib.sh" "$built" "$3"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }

folder='C:\Program Files (x86)\Tavelkit'
unix_folder="$WINEPREFIX/drive_c/Program Files (x86)/Tavelkit"
# All users' Start menu on Windows; Wine 8 puts even a per-machine package's
# shortcuts into the installing user's.
start_menus=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
             "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
tavel='HKLM\SOFTWARE\Norvik\Tavel'
run='HKCU\SOFTWARE\MICROSOFT\Windows\CurrentVersion\Run'
data='HKCU\Software\Norvik\Tavel\DataV1_1'
files=(Tavelhook.dll Tavelmon.exe Tavelpanel.exe keymap.chm)
log=$(dirname "$msi")/installer-test.log
trace=$(mktemp)

# The prefix's own server and everything it started end with the test.
cleanup() {
  "$WINESERVER" -k >/dev/null 2>&1
  rm -rf "$WINEPREFIX" "$trace"
}
trap cleanup EXIT
rm -rf "$WINEPREFIX"
# Wine's system processes inherit the output of the first program of the
# prefix: it must not be the test's, or the test runner waits for them.
"$WINE" wineboot -i >/dev/null 2>&1
"$WINESERVER" -w
"$WINESERVER" -p >/dev/null 2>&1
msiexec() { timeout 300 "$WINE" msiexec "$@" /qn /l*v "$(winepath_of "$log")" >/dev/null 2>&1; }
winepath_of() { "$WINE" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
not() { ! "$@"; }
# The installed files are those of the build in $1 (default: the first).
all_installed() {
  for f in "${files[@]}"; do cmp -s "$unix_folder/$f" "${1:-$built}/$f" || return 1; done
}
none_left() { for f in "${files[@]}"; do [ ! -e "$unix_folder/$f" ] || return 1; done; }
only_in_32_bit_view() {
  "$WINE" reg query "$tavel\\Path" /reg:32 >/dev/null 2>&1 &&
    ! "$WINE" reg query "$tavel\\Path" /reg:64 >/dev/null 2>&1
}
# A string value as stored, blanks included ("" for the default value).
string_value() {
  local name=(/v "$2")
  [ -n "$2" ] || name=(/ve)
  "$WINE" reg query "$1" "${name[@]}" /reg:32 2>/dev/null | tr -d '\r' |
    awk -F'    ' '/REG_SZ/ { print $NF }'
}
start_menu_shortcut() {
  for menu in "${start_menus[@]}"; do [ -s "$menu/Tavelkit.lnk" ] && echo "$menu/Tavelkit.lnk"; done
}
shortcut_in_start_menu() { [ -n "$(start_menu_shortcut)" ]; }
program_is() { equals "$(probe program "$1")" "$2"; }
monitor_program_is() { equals "$(probe program-of-class TavelmonWndClass)" "$1"; }
installed_products() { "$WINE" uninstaller --list 2>/dev/null | tr -d '\r' | grep -c '|Tavelkit$'; }
# Linux process ids of the running monitors.
monitor_processes() { pgrep -f 'Tavelmon\.exe' | sort | tr '\n' ' '; }
monitor_replaced() { local now; now=$(monitor_processes); [ -n "$now" ] && [ "$now" != "$1" ]; }
# The refusal as a user sees it: with the basic user interface Windows
# Installer shows the package's message in a box titled "Install Failed".
refusal='A newer version of Tavelkit is already installed. To install this older version, uninstall Tavelkit first.'
refusal_shown() { [ "$(probe text "Install Failed" 65535)" = "$refusal" ]; }
help_from_installation() {
  grep -aqF 'Program Files (x86)\\Tavelkit\\keymap.chm" L"keymap.htm"' "$trace"
}

package=$(winepath_of "$msi")
check "the package installs" msiexec /i "$package"
check "... the programs and the help file into Program Files (x86)\\Tavelkit" all_installed
check "... the installation folder into the 32-bit registry view" \
  equals "$(string_value "$tavel\\Path" "")" "$folder\\"
check "... and only there" only_in_32_bit_view
check "... the version" equals "$(reg_value "$tavel\\InstallInfo" TAVELVersion)" "$version"
check "... a Start menu shortcut" shortcut_in_start_menu
check "... and no logon start yet" not_has_value "$run" TAVELMON

# Started as a user does, from the Start menu.
WINEDEBUG=trace+htmlhelp "$WINE" start "$(winepath_of "$(start_menu_shortcut | head -1)")" \
  >/dev/null 2>"$trace"
check "the shortcut starts the configuration program" eventually panel_visible
check "... from the installation folder" program_is Tavelkit "$folder\\Tavelpanel.exe"
check "... writing the user's first settings" has_value "$data" TVKStatus
check "... without a monitor while nothing needs one" no_monitor
probe click Tavelkit 1014 >/dev/null  # Help
check "Help opens the help file of the installation folder" eventually help_from_installation
probe close "Tavelkit Help" >/dev/null
probe click Tavelkit 1106 >/dev/null  # Enable key assignments (notebook keyboard)
probe click Tavelkit 1000 >/dev/null  # Apply
check "Apply with a setting that needs it starts the monitor" eventually monitor_runs
check "... the one in the installation folder" monitor_program_is "$folder\\Tavelmon.exe"
check "... and records its logon start in the installation folder" \
  equals "$(string_value "$run" TAVELMON)" "\"$folder\\Tavelmon.exe\""
check "... the setting is saved" value_is "$data\\VrKb" VrKbAsgnsStatus 0x1
screenshot installed-program-running

newer=$(winepath_of "$newer_msi")
old_monitor=$(monitor_processes)
check "the newer package installs over it, the programs still running" msiexec /i "$newer"
check "... closing the configuration program" eventually window_gone Tavelkit
check "... one Tavelkit among the installed programs" equals "$(installed_products)" 1
check "... the newer files" all_installed "$newer_built"
check "... the newer version" equals "$(reg_value "$tavel\\InstallInfo" TAVELVersion)" "$newer_version"
check "... the Start menu shortcut kept" shortcut_in_start_menu
check "... the user's settings kept" value_is "$data\\VrKb" VrKbAsgnsStatus 0x1
check "... and the logon start" equals "$(string_value "$run" TAVELMON)" "\"$folder\\Tavelmon.exe\""
check "... the monitor started again, a new one" eventually monitor_replaced "$old_monitor"
check "... from the installation folder" monitor_program_is "$folder\\Tavelmon.exe"

timeout 300 "$WINE" msiexec /i "$package" /qb >/dev/null 2>&1 &
older=$!
check "the older package refuses to install over the newer one, saying why" eventually refusal_shown
screenshot older-package-refused
probe click "Install Failed" 1 >/dev/null  # OK
check "... and ends with an error" not wait "$older"
check "... leaving the newer files" all_installed "$newer_built"
check "... and the newer version" equals "$(reg_value "$tavel\\InstallInfo" TAVELVersion)" "$newer_version"
check "... and the monitor running" monitor_runs

check "the package uninstalls, the programs still running" msiexec /x "$newer"
check "... closing the configuration program" eventually window_gone Tavelkit
check "... stopping the monitor" eventually no_monitor
check "... removing the files" none_left
check "... and their folder" test ! -e "$unix_folder"
check "... the Start menu shortcut" not shortcut_in_start_menu
check "... the logon start" not_has_value "$run" TAVELMON
check "... and the installation record" not_has_value "$tavel\\InstallInfo" TAVELVersion
check "... keeping the user's settings" value_is "$data\\VrKb" VrKbAsgnsStatus 0x1

[ "$failures" -eq 0 ] || { echo "installer log: $log"; grep -a -v '^Property' "$log" | tail -30; }
finish
