#!/usr/bin/env bash
# The real Tavelmon.exe against the stand-ins: the start's service code,
# actions through the hot-key library and the services, and the keyboard scan
# over a scripted device tree at start and after device changes.
. "$(dirname "$0")/monitor_lib.sh" "$1"
standins="$here/../../../stand-ins/standins.sh"
stand='HKLM\Software\TavelStandIns'
extkb='HKCU\Software\Norvik\Tavel\DataV1_1\ExtKb'
keyboard_class='{4d36e96b-e325-11ce-bfc1-08002be10318}'
hub='USB\ROOT_HUB\4&1'
foreign="USB\\VID_046D&PID_C31C\\5&2|{36fc9e60-c465-11cf-8056-444553540000}|$hub"
foreign_kb="HID\\VID_046D&PID_C31C\\6&3|$keyboard_class|USB\\VID_046D&PID_C31C\\5&2"
maker="USB\\VID_2F4E&PID_3019\\5&5||$hub"
maker_kb="HID\\VID_2F4E&PID_3019\\7&4|$keyboard_class|USB\\VID_2F4E&PID_3019\\5&5"
ps2_kb="ACPI\\PNP0303\\4&9|$keyboard_class|ACPI\\PNP0A03\\0"

log_of() { reg_value "$stand\\$1" CallLog; }
set_tree() { reg add "$stand\\cfgmgr32" /v Devices /t REG_MULTI_SZ /d "$1" /f >/dev/null; }
flags() { echo "$(reg_value "$extkb" USBKbPresent) $(reg_value "$extkb" MorrowUSBKbPresent)"; }
flags_are() { [ "$(flags)" = "$1" ]; }
action() { probe send 0x8001 0 "$1"; }

tavelmon /x >/dev/null 2>&1
eventually no_monitor
"$WINESERVER" -p
bash "$standins" install "$bin/../stand-ins"
reg delete 'HKLM\Software\Norvik\Tavel\Data' /f >/dev/null 2>&1
reg add "$stand\\tvkif32" /v Level /t REG_DWORD /d 14 /f >/dev/null
reg add "$stand\\tvkif32" /v Muted /t REG_DWORD /d 1 /f >/dev/null
set_tree "$hub\\0$foreign\\0$foreign_kb\\0$ps2_kb"

start_monitor || { fail "monitor did not start"; bash "$standins" remove; finish; }
check "a normal start with SvcMnApStatus unset sends 129 to TavelSVC" test "$(log_of 'Services\TavelSVC')" = "129;"
# The window is found while it still handles WM_CREATE, which ends with the scan.
check "the start scans the device tree: a foreign USB keyboard" eventually flags_are "0x1 0x0"

action 0; action 0; action 2; action 2
check "volume up unmutes, steps to the maximum and stays there; mute only mutes" test "$(log_of tvkif32)" = \
"HK_IsVolumeMuteControllable;HK_GetVolumeMuteState;HK_GetMaxVolumeLevel;HK_GetCurrentVolumeLevel;HK_EnableVolumeMute(0);HK_SetVolumeLevel(15);\
HK_IsVolumeMuteControllable;HK_GetVolumeMuteState;HK_GetMaxVolumeLevel;HK_GetCurrentVolumeLevel;HK_SetVolumeLevel(15);\
HK_IsVolumeMuteControllable;HK_EnableVolumeMute(1);HK_IsVolumeMuteControllable;HK_EnableVolumeMute(1);"
check "... leaving the model muted at 15" test "$(reg_value "$stand\\tvkif32" Level) $(reg_value "$stand\\tvkif32" Muted)" = "0xf 0x1"

reg delete "$stand\\tvkif32" /v CallLog /f >/dev/null
probe send 0x7E8 241 0
probe send 0x7E8 249 1
probe send 0x7E8 241 1
action 7
check "Fn requests need lParam 1 and a known code; notifications reach the library" \
  test "$(log_of tvkif32)" = "HK_VirtualNotifyFnFx(5);HK_VirtualNotifyFnFx(9);"

action 5
probe send 0x7E8 240 1
check "hibernate sends 129, Fn code 240 sends 130 to NorvikPMSVC" test "$(log_of 'Services\NorvikPMSVC')" = "129;130;"

set_tree "$hub\\0$maker\\0$maker_kb\\0$foreign\\0$foreign_kb"
for _ in 1 2 3; do probe send 0x219 0x8000 0; probe send 0x219 7 0; sleep 1; done
check "device changes are not scanned at once" test "$(flags)" = "0x1 0x0"
# The scan comes 4 s after the last notification; a loaded machine may take a
# little longer to show it in the registry.
check "... but 4 s after the last: the maker's keyboard is found" eventually flags_are "0x1 0x1"

set_tree "$ps2_kb"
probe send 0x219 0x8000 0
sleep 4.5
check "a device arrival alone starts no scan" test "$(flags)" = "0x1 0x1"
probe send 0x219 0x18 0
sleep 3
check "a configuration change re-scans: PS/2 only counts as no USB keyboard" eventually flags_are "0x0 0x0"

action 20; action 20
sleep 1
check "two quick eject requests (no CD drive in the prefix) leave the monitor running" monitor_runs

stop_monitor
bash "$standins" remove
finish
