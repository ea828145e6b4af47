#!/usr/bin/env bash
# Figures of the real Tavelmon.exe under Wine, medians over repeated runs:
# process start until its window exists (hook installed, settings loaded),
# channel send until the new record is in force, resident memory.
# Usage: measure.sh BIN-FOLDER [RUNS]   (DISPLAY set, prefix from tools/wine-env)
. "$(dirname "$0")/monitor_lib.sh" "$1"
runs=${2:-15}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
monitor_exe="Z:$bin/Tavelmon.exe"  # Wine maps the Unix root to Z:

tavelmon /x >/dev/null 2>&1
eventually no_monitor
starts=() rss=()
out=$(mktemp)
for _ in $(seq "$runs"); do
  # To a file: the started monitor inherits the probe's output and would
  # hold a pipe open.
  timeout 20 "$WINE" "$bin/monitor_probe.exe" time-start "$monitor_exe" >"$out"
  starts+=("$(awk '{ print $2 }' "$out")")
  sleep 0.5
  pid=$(pgrep -n -f 'Tavelmon.exe$')
  rss+=("$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")")
  tavelmon /x
  eventually no_monitor
done
rm -f "$out"
start_monitor
sends=()
for i in $(seq "$runs"); do
  key=$((i % 2 ? 0x5B : 0x5D))
  sends+=("$(probe watch-vrkb 0xA5 $key | awk '{ print $2 }')")
done
stop_monitor
echo "start to window (hook installed), ms: median $(printf '%s\n' "${starts[@]}" | median) of ${#starts[@]}"
echo "channel send to record in force, ms: median $(printf '%s\n' "${sends[@]}" | median) of ${#sends[@]}"
echo "resident memory, KiB: median $(printf '%s\n' "${rss[@]}" | median) of ${#rss[@]}"
