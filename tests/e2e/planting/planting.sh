#!/usr/bin/env bash
# No planting: marker libraries and programs named like everything the three
# programs load or start are planted in the current folder and in a folder
# on the search path; then every code path that loads or starts something
# runs, and no marker may have run. Wine's own copies of the system libraries
# are hidden meanwhile (and native ones preferred), as on a Windows whose
# system directory lacks them, so that a search by bare name would go on to
# the planted ones.
# First a careless loader (bare names) proves that every marker is found
# where it is planted; a name it cannot reach would make the test blind.
# To add a case: a name to `libraries` or `programs`, a function that runs
# the code path, and its name in `paths`.
. "$(dirname "$0")/../monitor/monitor_lib.sh" "$1"
bin=$(cd "$bin" && pwd)  # programs start from the planted folder
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
drive="$WINEPREFIX/drive_c"
planted="$drive/TavelPlanted"
marks="$drive/TavelMarkers"
libraries=(shfolder.dll cfgmgr32.dll powrprof.dll tvkif32.dll hhctrl.ocx Tavelhook.dll)
programs=(Tavelmon.exe notepad.exe utilman.exe sndvol.exe)
# Both system folders: a 32-bit program's system folder is syswow64.
wine_has=(windows/notepad.exe)
for system in system32 syswow64; do
  for file in shfolder.dll cfgmgr32.dll powrprof.dll hhctrl.ocx notepad.exe; do
    [ -e "$WINEPREFIX/drive_c/windows/$system/$file" ] && wine_has+=("windows/$system/$file")
  done
done
paths=(monitor_start hotkey_library_actions standby volume_mixer utility_manager
       panel_apply panel_external_page panel_options_reset panel_summary panel_help panel_helper)
hotkey='HKLM\SOFTWARE\MASKOR\VRHOTKEY'

export WINEPATH='C:\TavelPlanted\path'
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;shfolder,cfgmgr32,powrprof,hhctrl.ocx=n,b"
in_planted() { (cd "$planted/cwd" && "$@"); }
marked() { ls "$marks" 2>/dev/null | tr '\n' ' '; }
restore() {
  for file in "${wine_has[@]}"; do
    [ -e "$drive/$file.hidden" ] && mv "$drive/$file.hidden" "$drive/$file"
  done
}
trap restore EXIT
trap "exit 143" INT TERM  # the EXIT trap then puts the hidden files back

# The summary goes to the documents folder: keep it in the prefix.
documents="$drive/users/$(id -un)/Documents"
[ -L "$documents" ] && rm "$documents" && mkdir "$documents"
rm -rf "$planted" "$marks"
mkdir -p "$planted/cwd" "$planted/path" "$planted/elsewhere" "$planted/control" "$planted/empty"
for folder in cwd path; do
  for name in "${libraries[@]}"; do cp "$bin/planting_marker.dll" "$planted/$folder/$name"; done
  for name in "${programs[@]}"; do cp "$bin/planting_marker_program.exe" "$planted/$folder/$name"; done
done
cp "$bin/careless_loader.exe" "$planted/control/"
for file in "${wine_has[@]}"; do mv "$drive/$file" "$drive/$file.hidden"; done

# --- the control: bare names find every marker, in either place -----------
careless() { "$WINE" 'C:\TavelPlanted\control\careless_loader.exe' "$@" >/dev/null 2>&1; }
for place in cwd elsewhere; do
  (cd "$planted/$place" &&
    for name in "${libraries[@]}"; do careless load "$name"; done &&
    for name in "${programs[@]}"; do careless run "$name"; done)
  sleep 1
  expected="${libraries[*]} ${programs[*]}"
  where=$([ "$place" = cwd ] && echo "current folder" || echo "search path")
  check "a careless loader runs every marker planted in the $where: $(marked)" \
    test "$(ls "$marks" 2>/dev/null | wc -l)" = "$(wc -w <<<"$expected")"
  folder=$([ "$place" = cwd ] && echo cwd || echo path)
  from=$(for mark in "$marks"/*; do tr -d '\r' <"$mark"; echo; done | grep -c "TavelPlanted.$folder.")
  check "... each from there" test "$from" = "$(wc -w <<<"$expected")"
  rm -rf "$marks"
done

# --- the product -------------------------------------------------------------
tavelmon /x >/dev/null 2>&1
eventually no_monitor

monitor_start() {
  in_planted "$WINE" "$bin/Tavelmon.exe" >/dev/null 2>&1 &
  MONITOR_PID=$!
  eventually monitor_runs  # the keyboard scan has run by then
}
hotkey_library_actions() {
  # A folder that is no folder, then one that lacks the library: neither
  # may send the loader searching.
  for folder in '.' 'TavelPlanted\cwd' 'C:\TavelPlanted\empty'; do
    "$WINE" reg add "$hotkey" /ve /d "$folder" /f >/dev/null 2>&1
    for action in 0 1 2 3 6 7 8; do probe send 0x8001 0 "$action"; done
  done
  "$WINE" reg delete 'HKLM\SOFTWARE\MASKOR' /f >/dev/null 2>&1
}
standby() { probe send 0x8001 0 4; }
volume_mixer() { probe send 0x8001 0 21; sleep 0.5; }
utility_manager() {  # right Alt as the Windows key, + U: Windows+U
  probe send-vrkb 1 0xA5 0x5B
  sleep 0.5
  local output
  output=$(mktemp)
  open_target key_target "Tavel key target" "$output"
  xdotool keydown 108; sleep 0.1; xdotool key 30; sleep 0.1; xdotool keyup 108
  sleep 2  # the release waits 1.2 s for the utility manager
  close_target
  check "Windows+U came from the emulated Windows key" grep -q '^key 5B' "$output"
  rm -f "$output"
  probe send-vrkb 0 0 0
}
panel_apply() {  # starts the monitor, hands the key sensitivity to the hook
  tavelmon /x >/dev/null 2>&1
  eventually no_monitor
  "$WINE" reg delete 'HKCU\Software\Norvik' /f >/dev/null 2>&1  # the notebook switch starts off
  in_planted "$WINE" "$bin/Tavelpanel.exe" >/dev/null 2>&1 &
  PANEL=$!
  eventually "$WINE" "$bin/panel_probe.exe" visible Tavelkit
  "$WINE" "$bin/panel_probe.exe" click Tavelkit 1106
  sleep 0.5
  "$WINE" "$bin/panel_probe.exe" click Tavelkit 1000
  check "Apply started the monitor beside the configuration program" eventually monitor_runs
}
panel_probe() { "$WINE" "$bin/panel_probe.exe" "$@"; }
panel_external_page() {  # asks the hot-key library and the driver afresh
  "$WINE" reg add "$hotkey" /ve /d 'TavelPlanted\cwd' /f >/dev/null 2>&1
  local at
  at=$(panel_probe tab-center 1 | tr -d '\r')
  xdotool mousemove $at click 1
  sleep 1
  "$WINE" reg delete 'HKLM\SOFTWARE\MASKOR' /f >/dev/null 2>&1
}
panel_options_reset() {  # reset defaults from the machine, the monitor and the hook
  panel_probe click Tavelkit 1143
  eventually panel_probe visible Options
  panel_probe click Options 1140
  sleep 1
  panel_probe dialog-click Tavelkit 1
  sleep 0.5
  panel_probe click Options 1
  sleep 1
}
panel_summary() {  # the documents folder, then Notepad
  panel_probe click Tavelkit 1143
  eventually panel_probe visible Options
  panel_probe click Options 1141
  sleep 2
  panel_probe click Options 2
  pkill -f 'notepad.exe' 2>/dev/null
}
panel_help() {
  "$WINE" "$bin/panel_probe.exe" click Tavelkit 1014
  sleep 2
  timeout 20 "$WINE" "$bin/Tavelpanel.exe" /x >/dev/null 2>&1
  timeout 20 tail --pid="$PANEL" -f /dev/null || kill "$PANEL" 2>/dev/null
}
panel_helper() { in_planted timeout 60 "$WINE" "$bin/Tavelpanel.exe" /helper >/dev/null 2>&1; }

for path in "${paths[@]}"; do
  $path
  sleep 0.5
  echo "after $path: monitor $(monitor_runs && echo runs || echo absent)"
  check "$path runs no planted marker" test -z "$(marked)"
  [ -z "$(marked)" ] || { cat "$marks"/* | tr -d '\r'; echo; rm -rf "$marks"; }
done

tavelmon /x >/dev/null 2>&1
eventually no_monitor
"$WINE" reg delete 'HKCU\Software\Norvik' /f >/dev/null 2>&1
"$WINE" reg delete 'HKCU\SOFTWARE\MICROSOFT\Windows\CurrentVersion\Run' /v TAVELMON /f >/dev/null 2>&1
restore
rm -rf "$planted" "$marks"
finish
