// Runs the hook library's first-run routine against the real registry, with
// the real capability checks, and prints what it put into memory so the
// calling script can compare it with what the registry holds.
#include <cstdio>

#include "common/capabilities.h"
#include "common/first_run.h"
#include "platform/win32/device_io_win32.h"
#include "platform/win32/library_loader_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/system_info_win32.h"

int main() {
  tavel::Win32Registry registry;
  tavel::Win32LibraryLoader loader;
  tavel::Win32SystemInfo system(loader);
  tavel::Win32DeviceIo io;

  tavel::VrKbMap vrKbMap{};
  tavel::VrKbBrwMap vrKbBrwMap{};
  tavel::ExtKbMap extKbMap{};
  tavel::SymbMap symbMap{};
  tavel::ExtKbSettings extKb{};
  const bool wrote = tavel::InitializeDefaultSettings(
      registry, system,
      [&] { return tavel::FirstRunExtKbMap(tavel::GatherFirstRunCapabilities(io, registry)); },
      {vrKbMap, vrKbBrwMap, extKbMap, symbMap, extKb});

  std::printf("wrote=%d\n", wrote ? 1 : 0);
  std::printf("memory ExtKb=%u,%u,%u,%u,%u\n", extKb.status, extKb.autoStatus,
              extKb.usbKbPresent, extKb.docked, extKb.morrowUsbKbPresent);
  std::printf("memory ExtKbMap row3=%X,%X\n", extKbMap.entries[3].firstKey,
              extKbMap.entries[3].secondKey);
  return 0;
}
