#!/usr/bin/env bash
# The real Tavelmon.exe: one monitor per desktop, the stop switch, and the
# service-style start that runs only while the service looks after monitors;
# a key test left unfinished by a configuration program that crashed.
. "$(dirname "$0")/monitor_lib.sh" "$1"
data='HKLM\Software\Norvik\Tavel\Data'
tavelmon /x >/dev/null 2>&1
eventually no_monitor

check "/x with no monitor running exits 0" tavelmon /x
check "... and starts none" no_monitor

check "first start creates the monitor window" start_monitor
first=$MONITOR_PID
check "a second start exits 0" tavelmon
check "... and leaves the first running" kill -0 "$first"
check "... whose window still exists" monitor_runs

check "/X exits 0" tavelmon /X
check "... and ends the running monitor" eventually pid_gone "$first"
check "... whose window is gone" no_monitor

reg add "$data" /v SvcMnApStatus /t REG_DWORD /d 0 /f >/dev/null
check "service start with SvcMnApStatus 0 exits 0" tavelmon Default
check "... without creating a window" no_monitor

reg add "$data" /v SvcMnApStatus /t REG_DWORD /d 1 /f >/dev/null
check "service start with SvcMnApStatus 1 runs on the named desktop" start_monitor Default
check "desktop name + -X stops the monitor of that desktop" tavelmon Default -X
check "... which ends" eventually pid_gone "$MONITOR_PID"
check "a desktop that does not exist ends the start" tavelmon NoSuchDesktop
check "... without a window" no_monitor

keysens='HKCU\Software\Norvik\Tavel\DataV1_1\KeySens'
reg add "$keysens" /v KeySensAsgnsStatus /t REG_DWORD /d 2 /f >/dev/null
check "a monitor started after a key test was left unfinished starts" start_monitor
check "... and, with no configuration program running, switches filtering back on" \
  eventually test_value "$keysens" KeySensAsgnsStatus 0x1
stop_monitor

reg delete "$data" /f >/dev/null 2>&1
finish
