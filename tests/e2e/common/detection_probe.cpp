// Runs keyboard detection and the hot-key library binding through the real
// Win32 adapters (Configuration Manager from the system directory, library
// loading, registry views) and prints what they found, one fact a line.
#include <cstdio>

#include "common/device_detection.h"
#include "common/hotkey_library.h"
#include "platform/win32/device_tree_win32.h"
#include "platform/win32/library_loader_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/system_info_win32.h"

int main() {
  tavel::Win32Registry registry;
  tavel::Win32LibraryLoader loader;
  tavel::Win32SystemInfo system(loader);
  tavel::Win32DeviceTree tree(loader);

  std::printf("platform=%s\n",
              system.Platform() == tavel::PlatformFamily::WindowsNt ? "nt" : "other");
  std::printf("wow64=%d\n", system.IsWow64Process() ? 1 : 0);

  int writes = 0;
  tavel::ExtKbSettings found{9, 9, 9, 9, 9};
  tavel::DetectUsbKeyboards(tree, [&](uint32_t mask, const tavel::ExtKbSettings& values) {
    ++writes;
    if (mask & tavel::kExtKbMaskUsbKbPresent) found.usbKbPresent = values.usbKbPresent;
    if (mask & tavel::kExtKbMaskMorrowUsbKbPresent) {
      found.morrowUsbKbPresent = values.morrowUsbKbPresent;
    }
  });
  std::printf("scan writes=%d usb=%u maker=%u\n", writes, found.usbKbPresent,
              found.morrowUsbKbPresent);
  std::printf("maker keyboard=%d\n", tavel::HasMorrowUsbKeyboard(tree) ? 1 : 0);

  const std::string path =
      tavel::HotkeyLibraryPath(registry, system, tavel::HotkeyLibraryUser::Monitor);
  std::printf("library path=%s\n", path.c_str());
  tavel::HotkeyInterfaceLibrary library(loader, path);
  std::printf("library usable=%d\n", library.usable() ? 1 : 0);
  std::printf("fn5 available=%d\n",
              tavel::IsFnFunctionAvailable(registry, system, loader, 5) ? 1 : 0);
  return 0;
}
