#!/usr/bin/env bash
# Hostile settings data: the registry is the user's to write, outlives
# versions and meets hand edits. Each run seeds every value of the settings
# with one variant of hostile data (hostile_settings.py; over the runs every
# value meets every variant), then the real monitor and configuration program
# work on it as a user would: the monitor starts and keeps its window, every
# page opens, the user picks Right Ctrl as the Windows key (switching the
# assignments on if they show off) and applies, right Ctrl comes out as the
# Windows key, and both programs stop when asked. Every value the user did
# not change is then byte for byte what was seeded, but for what the monitor
# owns: the attached keyboards it records, and a key test left over by a
# program that ended during one (a stored 2), which it ends.
. "$(dirname "$0")/panel_lib.sh" "$1" "$2"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
data='HKCU\Software\Norvik\Tavel\DataV1_1'
hostile() { python3 "$here/hostile_settings.py" "$@"; }
work=$(mktemp -d)
windows_key=1002 enable=1106 hint=1153
right_ctrl=4  # item of the Windows key list
# The key observer's width does not matter: the 64-bit one starts faster.
observer_bin=$bin
[ -x "${TAVEL_NATIVE_PROBE_DIR:-}/key_target.exe" ] && observer_bin=$TAVEL_NATIVE_PROBE_DIR
right_ctrl_key() { xdotool keydown 105; sleep 0.1; xdotool keyup 105; }
windows_key_seen() { bin=$observer_bin observe_keys right_ctrl_key | grep -qE '^key 5B 1[01]$'; }
monitor_gone() { eventually no_monitor; }
no_hint() { ! probe shown $hint; }
every_page_opens() {
  local tab control
  for tab in 1 2 3 0; do
    control=$(cut -d' ' -f$((tab + 1)) <<<"$windows_key 1003 1080 1115")
    click_tab "$tab"
    eventually selected_tab_is "$tab" && eventually probe shown "$control" || return 1
  done
}
# The probe lists every value as stored ("SUBKEY\NAME TYPE HEX"); `reg
# export` shows a DWORD shorter than four bytes with bytes that are not there.
without() {  # NAME... : the listing on stdin but the values named
  local name filter=()
  for name in "$@"; do filter+=(-e "$name "); done
  grep -v -F "${filter[@]}"
}
same_settings() { diff "$1" "$2" | cut -c1-120; diff -q "$1" "$2" >/dev/null; }

stop_monitor
for run in ${HOSTILE_RUNS:-$(seq 0 $(($(hostile runs) - 1)))}; do
  echo "== run $run"
  clean_registry
  hostile seed "$run" "$work/seed.reg"
  "$WINE" regedit /s "$(winepath -w "$work/seed.reg")"
  probe settings >"$work/before"
  expected=$(hostile written-vrkb "$run")

  "$WINE" "$bin/Tavelmon.exe" >/dev/null 2>&1 &
  monitor=$!
  check "run $run: the monitor starts" eventually monitor_runs
  check "run $run: the program opens" start_panel
  check "run $run: every page opens" every_page_opens
  check "run $run: ... with its settings, not the disabled product's hint over them" no_hint
  if [ "$(hostile notebook-on "$run")" = yes ]; then
    check "run $run: a notebook status the hook takes as on shows ticked" probe checked $enable
  fi
  choose $windows_key $right_ctrl
  excluded=('VrKb\Mapdata' 'ExtKb\USBKbPresent' 'ExtKb\MorrowUSBKbPresent')
  if ! probe checked $enable; then
    probe quiet-click Tavelkit $enable >/dev/null
    excluded+=('VrKb\VrKbAsgnsStatus')
  fi
  [ "$(hostile seeded "$run" KeySens KeySensAsgnsStatus)" = "dword 2" ] &&
    excluded+=('KeySens\KeySensAsgnsStatus')
  probe click Tavelkit 1000 >/dev/null
  check "run $run: Apply writes the Windows key, the Application key as it was" \
    eventually value_is "$data\\VrKb" Mapdata "$expected"
  check "run $run: ... without a message" no_message
  check "run $run: the monitor still has its window" monitor_runs
  sleep 0.5  # the monitor takes the record 250 ms after the hand-over
  check "run $run: right Ctrl comes out as the Windows key" windows_key_seen
  [ "$run" = 0 ] && screenshot hostile-settings-run-0
  check "run $run: the program ends on /x" stop_panel
  check "run $run: the monitor ends on /x" timeout 20 "$WINE" "$bin/Tavelmon.exe" /x
  check "run $run: ... and is gone" monitor_gone
  check "run $run: ... its process too" eventually pid_gone "$monitor"
  probe settings >"$work/after"
  without "${excluded[@]}" <"$work/before" >"$work/before-kept"
  without "${excluded[@]}" <"$work/after" >"$work/after-kept"
  check "run $run: every value the user did not change is as seeded" \
    same_settings "$work/before-kept" "$work/after-kept"
done

rm -rf "$work"
clean_registry
finish
