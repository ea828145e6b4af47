#!/usr/bin/env bash
# Apply from the real window: the pages' switches become the settings in the
# registry, and a setting that needs the hook starts the monitor.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
clean_registry
vrkb='HKCU\Software\Norvik\Tavel\DataV1_1\VrKb'
run='HKCU\SOFTWARE\MICROSOFT\Windows\CurrentVersion\Run'
stop_monitor
reg add 'HKLM\SOFTWARE\Norvik\Tavel\Path' /ve /d 'C:\TavelE2E' /f

check "the program opens" start_panel
check "Apply starts disabled" apply_disabled
probe click Tavelkit 1106  # "Enable key assignments" on the notebook page
check "changing a switch enables Apply" eventually probe enabled 1000
probe click Tavelkit 1000
check "Apply writes the switch" eventually value_is "$vrkb" VrKbAsgnsStatus 0x1
check "... records the logon start" eventually has_value "$run" TAVELMON
check "... starts the monitor, now needed" eventually monitor_runs
check "... and disables itself" eventually apply_disabled
check "... giving Close the focus" equals "$(probe focus-id)" 2
screenshot after-apply

stop_panel
stop_monitor
clean_registry
finish
