# Sourced by the end-to-end scripts that script the hot-key driver stand-in
# (stand-ins/vrhkdrv, put in with `standins.sh install-driver`). Needs $WINE.
#
# driver_answers NAME=NUMBER...: starts the driver's state over with these
#   DWORD values (Capabilities0, Capabilities1, State<bit>, FailingCode) and
#   an empty call log, in one regedit call (each `reg` call costs most of a
#   second under Wine).
# driver_log: the requests the driver has answered since, "CODE:BYTES;" each.
driver_key='HKEY_LOCAL_MACHINE\Software\TavelStandIns\vrhkdrv'

driver_answers() {
  local file pair
  file=$(mktemp --suffix=.reg)
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[-%s]\r\n[%s]\r\n' "$driver_key" "$driver_key"
    for pair in "$@"; do printf '"%s"=dword:%08x\r\n' "${pair%%=*}" "${pair#*=}"; done
  } >"$file"
  "$WINE" regedit /s "Z:${file//\//\\}"
  rm -f "$file"
}

driver_log() {
  "$WINE" reg query "$driver_key" /v CallLog 2>/dev/null | tr -d '\r' |
    awk '$1 == "CallLog" { print $3 }'
}
