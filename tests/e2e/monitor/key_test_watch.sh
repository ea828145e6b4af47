#!/usr/bin/env bash
# A program that puts the hook aside for a key test (KeySensAsgnsStatus 2
# through ordinal 30) and is then killed, or terminated: the running monitor
# puts the status from before the test back, in the shared state and in the
# registry, within 2 s. A test that ends normally is left alone.
. "$(dirname "$0")/monitor_lib.sh" "$1"
keysens='HKCU\Software\Norvik\Tavel\DataV1_1\KeySens'
shared_status() { probe show | awk '$1 == "keysens" { print $2 }'; }

# Starts a key test in a program of its own; sets HOLDER (the Wine process,
# for kill) and HOLDER_WINPID (its Windows process id).
start_key_test() {
  local out
  out=$(mktemp)
  "$WINE" "$bin/monitor_probe.exe" key-test-hold "$@" >"$out" 2>/dev/null &
  HOLDER=$!
  for _ in $(seq 100); do grep -q '^pid' "$out" && break; sleep 0.1; done
  HOLDER_WINPID=$(tr -d '\r' <"$out" | awk '$1 == "pid" { print $2 }')
  rm -f "$out"
}

# Seconds until the shared status reads $1 (gives up after 5 s).
seconds_until_status() {
  local start now
  start=$(date +%s.%N)
  for _ in $(seq 100); do
    [ "$(shared_status)" = "$1" ] && break
    sleep 0.05
  done
  now=$(date +%s.%N)
  awk -v a="$start" -v b="$now" 'BEGIN { printf "%.2f", b - a }'
}
within_2s() { awk -v t="$1" 'BEGIN { exit !(t <= 2) }'; }

tavelmon /x >/dev/null 2>&1
eventually no_monitor
start_monitor || { fail "monitor did not start"; finish; }
probe set-keysens 1

start_key_test
check "a key test puts the hook aside" test "$(shared_status)" = 2
check "... and the registry says so" test_value "$keysens" KeySensAsgnsStatus 0x2
kill -9 "$HOLDER"
took=$(seconds_until_status 1)
echo "status back ${took} s after kill -9"
check "killed during its test (kill -9): status 1 again within 2 s" within_2s "$took"
check "... in the registry too" test_value "$keysens" KeySensAsgnsStatus 0x1

probe set-keysens 0
start_key_test
check "a second key test (filtering was off) puts the hook aside" test "$(shared_status)" = 2
probe terminate "$HOLDER_WINPID"
took=$(seconds_until_status 0)
echo "status back ${took} s after TerminateProcess"
check "terminated during its test: the status from before (0) within 2 s" within_2s "$took"
check "... in the registry too" test_value "$keysens" KeySensAsgnsStatus 0x0
wait "$HOLDER" 2>/dev/null

probe set-keysens 1
start_key_test 1
wait "$HOLDER"
sleep 0.5
check "a test that ends normally ends with its own status" test "$(shared_status)" = 1
probe set-keysens 0
sleep 0.5
check "... and the monitor does not touch it after the program's end" test "$(shared_status)" = 0
probe set-keysens 1

check "the monitor still runs" monitor_runs
stop_monitor
finish
