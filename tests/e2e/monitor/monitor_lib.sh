# Shared by the monitor's end-to-end scripts. Sourced with the folder of the
# Windows binaries in $1; uses the prefix and display the caller set up.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../../tools/wine-env"
bin=$1
failures=0
# The registry as the monitor sees it: a 32-bit monitor reads the 32-bit view.
view=/reg:$(windows_bits "$bin/Tavelmon.exe")
reg() { "$WINE" reg "$@" "$view"; }

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then echo "ok: $what"; else fail "$what"; fi; }
probe() { timeout 20 "$WINE" "$bin/monitor_probe.exe" "$@" | tr -d '\r'; }
monitor_runs() { timeout 20 "$WINE" "$bin/monitor_probe.exe" running; }
tavelmon() { timeout 20 "$WINE" "$bin/Tavelmon.exe" "$@"; }

# Waits up to 10 s for a command to succeed.
eventually() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}
pid_gone() { ! kill -0 "$1" 2>/dev/null; }
no_monitor() { ! monitor_runs; }

# Starts a monitor in the background and waits for its window.
start_monitor() {
  "$WINE" "$bin/Tavelmon.exe" "$@" &
  MONITOR_PID=$!
  eventually monitor_runs
}

stop_monitor() {
  tavelmon /x
  eventually pid_gone "$MONITOR_PID"
}

# Starts a window program to type into (key_target, soak_target) with its
# output going to a file, and gives its window the focus. Sets TARGET (the
# process) and TARGET_WINDOW (empty when no window appeared).
open_target() {  # program title output-file
  "$WINE" "$bin/$1.exe" >"$3" 2>/dev/null &
  TARGET=$!
  TARGET_WINDOW=$(timeout 30 xdotool search --sync --onlyvisible --pid "$TARGET" --name "$2" | head -n 1)
  [ -n "$TARGET_WINDOW" ] || return 1
  xdotool windowfocus --sync "$TARGET_WINDOW"
  sleep 0.5
}
# Escape ends the window program; waits for it to print what it saw.
close_target() {
  xdotool key Escape
  timeout 20 tail --pid="$TARGET" -f /dev/null || kill "$TARGET" 2>/dev/null
}

reg_value() {  # key value -> data column of `reg query`
  reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { print $3 }'
}

test_value() { [ "$(reg_value "$1" "$2")" = "$3" ]; }  # key value expected

finish() {
  [ "$failures" -eq 0 ] && echo "all passed" || echo "$failures failed"
  exit $((failures != 0))
}
