#!/usr/bin/env bash
# The real Tavelmon.exe keeps its hook through what the system does to it.
# Wine sends no session or power notifications, so those are posted to the
# monitor window here as Windows would send them; raw keyboard input is
# Wine's own. Right Alt acts as the Windows key throughout.
#   lock:    with right Alt held, locking lets go of the injected Windows key
#   resume:  installs the hook again
#   removed: a hook taken out of the chain without a word (here unhooked
#            from another process) is noticed from raw input and installed
#            again, and right Alt works as the Windows key again
#   told:    a hook the monitor was told to drop (WM_QUIT sent to its
#            window) stays dropped: right Alt is right Alt
# Each step is logged with OutputDebugString (seen with WINEDEBUG=+debugstr).
# Key codes of Xvfb's default map: 108 right Alt, 71 F5, 9 Escape.
. "$(dirname "$0")/monitor_lib.sh" "$1"
[ -n "${DISPLAY:-}" ] || { echo "DISPLAY is not set"; exit 1; }
debug=$(mktemp)
output=$(mktemp)
logged() { grep -q "keyboard hook installed again: $1" "$debug"; }
marker() { xdotool key 71; sleep 0.3; }  # F5 between the steps
tap_right_alt() { xdotool keydown 108; sleep 0.15; xdotool keyup 108; sleep 0.3; }

tavelmon /x >/dev/null 2>&1
eventually no_monitor
WINEDEBUG=+debugstr "$WINE" "$bin/Tavelmon.exe" >/dev/null 2>"$debug" &
MONITOR_PID=$!
eventually monitor_runs || { fail "monitor did not start"; finish; }
probe send-vrkb 1 0xA5 0x5B
sleep 0.5

check "the test window appeared" open_target key_target "Tavel key target" "$output"

tap_right_alt                                   # before: the Windows key
marker
xdotool keydown 108; sleep 0.3
held_before=$(probe held)
probe send 0x2B1 7 0                            # WTS_SESSION_LOCK
sleep 0.3
held_after=$(probe held)
xdotool keyup 108; sleep 0.3
marker
probe send 0x218 7 0                            # PBT_APMRESUMESUSPEND
sleep 0.3
probe unhook                                    # the hook silently gone
sleep 0.3
tap_right_alt; tap_right_alt; tap_right_alt     # raw input sees these, the hook does not
marker
tap_right_alt                                   # after: the Windows key again
sleep 1.2
probe send 0x12                                 # WM_QUIT sent: told to drop the hook
sleep 0.3
marker
tap_right_alt; tap_right_alt; tap_right_alt
sleep 1.5                                       # past the keeper's span
tap_right_alt                                   # told: right Alt stays right Alt
close_target
seen=$(tr -d '\r' <"$output" | grep '^key' | awk '{ print $2 "/" $3 }' | tr '\n' ' ')
echo "seen: $seen"
echo "held with right Alt down, before and after the lock: $held_before | $held_after"
segment() { echo "$seen" | awk -v n="$1" '{ s = 0; for (i = 1; i <= NF; i++) { if ($i ~ /^74\/0$/) s++; else if (s == n) printf "%s ", $i } }'; }

check "right Alt is the Windows key at the start" grep -qE '5B/1[01] .*5B/9[01]' <<<"$(segment 0)"
check "held right Alt holds the injected Windows key" grep -qw 5B <<<"$held_before"
check "locking the session lets go of it while right Alt is still held" test -z "$(grep -w 5B <<<"$held_after")"
check "... and says why" logged "session locked"
check "resume installs the hook again" logged "resumed from sleep"
check "a removed hook is noticed from raw input and installed again" logged "the hook missed key events"
check "... after which right Alt is the Windows key again" grep -qE '5B/1[01] .*5B/9[01]' <<<"$(segment 3)"
check "a hook the monitor was told to drop stays dropped" test "$(grep -c 'installed again' "$debug")" = 3
check "... right Alt coming through as itself" grep -q 'A5/' <<<"$(segment 4)"
check "... and never as the Windows key" test -z "$(grep -w '5B/[0-9]*' <<<"$(segment 4)")"
check "no key is left held" test "$(probe held)" = none

stop_monitor
rm -f "$debug" "$output"
finish
