#!/usr/bin/env bash
# Puts the stand-ins for the outside components into the current Wine prefix
# (tools/wine-env), or takes them out again:
#   standins.sh install STAND-INS-BUILD-FOLDER
#   standins.sh install-driver STAND-INS-BUILD-FOLDER
#   standins.sh remove
# install: tvkif32.dll where the hot-key package's registry key points, the
# TavelSVC and NorvikPMSVC services (started), and cfgmgr32.dll in the system
# folder, used by Tavelmon.exe only (per-program DLL override). The stand-ins
# are built with the product, 32- or 64-bit alike; they keep their state in
# the registry view of that width (HKLM\Software\TavelStandIns).
# install-driver: the hot-key driver vrhkdrv.sys as the kernel driver service
# VRHKDRV (started), answering \\.\VRHKDRV with everything off until a test
# scripts it under HKLM\Software\TavelStandIns\vrhkdrv (64-bit view).
# remove takes out whatever of both is there.
set -u
. "$(dirname "$0")/../tools/wine-env"
folder='C:\TavelStandIns'
unix_folder="$WINEPREFIX/drive_c/TavelStandIns"
overrides='HKCU\Software\Wine\AppDefaults\Tavelmon.exe\DllOverrides'
services=(TavelSVC NorvikPMSVC)
driver=VRHKDRV
reg() { "$WINE" reg "$@" >/dev/null 2>&1; }
sc() { "$WINE" sc "$@" >/dev/null 2>&1; }
# The system folder 32- or 64-bit programs load system libraries from.
system_folder() {
  [ "$1" = 32 ] && echo "$WINEPREFIX/drive_c/windows/syswow64" || echo "$WINEPREFIX/drive_c/windows/system32"
}

install() {
  local built=$1 bits system
  bits=$(windows_bits "$built/tvkif32.dll")
  system=$(system_folder "$bits")
  mkdir -p "$unix_folder"
  cp "$built/tvkif32.dll" "$built/control_code_service.exe" "$unix_folder/"
  # The package records its folder in the 64-bit view, where a 32-bit
  # program looks with KEY_WOW64_64KEY.
  reg add 'HKLM\SOFTWARE\MASKOR\VRHOTKEY' /ve /d "$folder" /f /reg:64
  [ -e "$system/cfgmgr32.dll.wine" ] || cp "$system/cfgmgr32.dll" "$system/cfgmgr32.dll.wine"
  cp "$built/cfgmgr32.dll" "$system/cfgmgr32.dll"
  reg add "$overrides" /v cfgmgr32 /d native /f
  for name in "${services[@]}"; do
    sc create "$name" binPath= "$folder\\control_code_service.exe $name" type= own start= demand
    sc start "$name"  # fails harmlessly when it already runs
  done
  # A service still starting refuses control codes: wait until both run.
  for name in "${services[@]}"; do wait_running "$name"; done
  return 0
}

install_driver() {
  local built=$1
  mkdir -p "$unix_folder"
  # A new file, not one written over: a running driver keeps its image.
  cp --remove-destination "$built/vrhkdrv.sys" "$unix_folder/"
  reg add 'HKLM\Software\TavelStandIns\vrhkdrv' /f
  sc create "$driver" binPath= "$folder\\vrhkdrv.sys" type= kernel start= demand
  sc start "$driver"
  # The device exists once the driver's entry has run: the service runs then.
  wait_running "$driver"
}

wait_running() {
  for _ in $(seq 50); do
    "$WINE" sc query "$1" 2>/dev/null | grep -q RUNNING && return 0
    sleep 0.2
  done
  return 1
}

remove() {
  local bits system
  for name in "${services[@]}" "$driver"; do
    sc stop "$name"
    sc delete "$name"
  done
  reg delete "$overrides" /f
  reg delete 'HKLM\SOFTWARE\MASKOR' /f /reg:64
  for bits in 32 64; do
    system=$(system_folder "$bits")
    [ -e "$system/cfgmgr32.dll.wine" ] && mv "$system/cfgmgr32.dll.wine" "$system/cfgmgr32.dll"
    reg delete 'HKLM\Software\TavelStandIns' /f "/reg:$bits"
  done
  rm -rf "$unix_folder"
  return 0
}

case "${1:-}" in
  install) install "$2" ;;
  install-driver) install_driver "$2" ;;
  remove) remove ;;
  *) echo "usage: $0 install FOLDER | install-driver FOLDER | remove" >&2; exit 2 ;;
esac
