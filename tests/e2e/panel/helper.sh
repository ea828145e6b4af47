#!/usr/bin/env bash
# "Tavelpanel /helper": tells the TavelSVC stand-in what it finds and starts
# the monitor (beside the program) when the maker's USB keyboard wants it.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
install_standins "$3"
clean_registry
data='HKLM\Software\Norvik\Tavel\Data'
run='HKCU\SOFTWARE\MICROSOFT\Windows\CurrentVersion\Run'
helper() { timeout 20 "$WINE" "$bin/Tavelpanel.exe" /helper; }
stop_monitor

reg add 'HKLM\SOFTWARE\Norvik\Tavel\Path' /ve /d 'C:\TavelE2E' /f
reg add "$data" /v SvcMnApStatus /t REG_DWORD /d 1 /f

# Keyboard detected by the service already.
reg add "$data" /v USBOBIKBDetectStatus /t REG_DWORD /d 1 /f
clear_service_log
check "/helper with the keyboard detected exits" helper
check "... sends 140, then 129" equals "$(service_log)" '140;129;'
check "... writes the logon start" equals "$(reg_value "$run" TAVELMON)" '"C:\TavelE2E\Tavelmon.exe"'
check "... and starts the monitor" eventually monitor_runs
stop_monitor

# The keyboard attached but not yet known to the service.
reg add "$data" /v USBOBIKBDetectStatus /t REG_DWORD /d 0 /f
reg delete "$run" /v TAVELMON /f
maker_keyboard
clear_service_log
check "/helper finding the keyboard itself exits" helper
check "... sends 140, 141, 129" equals "$(service_log)" '140;141;129;'
check "... and starts the monitor" eventually monitor_runs
stop_monitor
no_keyboard

# No keyboard, no logon start, the service watching: it is told to stop.
reg delete "$run" /v TAVELMON /f
clear_service_log
check "/helper with nothing to do exits" helper
check "... sends 140, then 130" equals "$(service_log)" '140;130;'
check "... and starts no monitor" no_monitor

# The logon start present: 130 is never sent.
reg add "$run" /v TAVELMON /d 'C:\TavelE2E\Tavelmon.exe' /f
reg add 'HKCU\Software\Norvik\Tavel\DataV1_1' /v TVKStatus /t REG_DWORD /d 1 /f
clear_service_log
check "/helper with the logon start present exits" helper
check "... sends only 140" equals "$(service_log)" '140;'

# A "Tavelmon.exe" planted in the current folder must not be what runs: the
# program starts the monitor only from its own folder, here one without it.
reg add "$data" /v USBOBIKBDetectStatus /t REG_DWORD /d 1 /f
reg delete 'HKCU\Software\Norvik\Tavel\DataV1_1' /v TVKStatus /f
scratch=$(cd "$(dirname "$shots")" && pwd)/planted
rm -rf "$scratch" && mkdir -p "$scratch/alone" "$scratch/current"
cp "$bin/Tavelpanel.exe" "$scratch/alone/"
cp "$bin/Tavelmon.exe" "$bin/Tavelhook.dll" "$scratch/current/"
check "/helper run from a folder holding a Tavelmon.exe exits" \
  bash -c "cd '$scratch/current' && timeout 20 '$WINE' '$scratch/alone/Tavelpanel.exe' /helper"
sleep 3
check "... and does not run the planted monitor" no_monitor
stop_monitor
rm -rf "$scratch"

clean_registry
remove_standins
finish
