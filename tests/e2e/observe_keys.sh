# Sourced by the end-to-end scripts that type on the X display. Needs $bin
# (the Windows binaries, with key_target.exe) and $WINE.
#
# observe_keys COMMAND...: opens key_target's window, focuses it, runs the
# command (which types with xdotool), ends the window with Escape and prints
# what its observer hook saw ("key VK FLAGS" lines) and the text typed into
# it ("text U+XXXX ..."). Nothing is printed when the window did not appear.
observe_keys() {
  local output target window
  output=$(mktemp)
  "$WINE" "$bin/key_target.exe" >"$output" 2>/dev/null &
  target=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$target" --name "Tavel key target" | head -n 1)
  if [ -n "$window" ]; then
    xdotool windowfocus --sync "$window"
    sleep 0.5
    "$@"
    sleep 0.3
    xdotool key Escape
  fi
  timeout 20 tail --pid="$target" -f /dev/null || kill "$target" 2>/dev/null
  [ -n "$window" ] && tr -d '\r' <"$output"
  rm -f "$output"
}
