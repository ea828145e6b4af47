#!/bin/sh
# Runs the hook library test program and types into its window on the X
# display: right Alt alone twice (the program switches its assignments back
# on between the two), right Ctrl + F4, then Escape to end the run.
# Usage: run_hook_e2e.sh WINE-EXEC PROGRAM.exe   (DISPLAY must be set)
# xdotool key codes of Xvfb's default map: 108 right Alt, 105 right Ctrl,
# 70 F4 (the names Alt_R and Control_R press the left keys too).
wine_exec=$1
program=$2
[ -n "$DISPLAY" ] || { echo "DISPLAY is not set"; exit 1; }

"$wine_exec" "$program" &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name "Tavelhook e2e" | head -n 1)
if [ -z "$window" ]; then
  echo "the test window did not appear"
  kill "$pid" 2>/dev/null
  wait "$pid"
  exit 1
fi
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool keydown 108; sleep 0.1; xdotool keyup 108; sleep 0.3
xdotool keydown 108; sleep 0.1; xdotool keyup 108; sleep 0.3
xdotool keydown 105; sleep 0.1; xdotool key 70; sleep 0.1; xdotool keyup 105; sleep 0.3
xdotool key Escape
wait "$pid"
