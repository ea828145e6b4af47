// Tavelmon: the resident half of Tavelkit. It keeps the keyboard hook of its
// desktop installed and carries out what the hook and the configuration
// program ask of it.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/settings_store.h"
#include "monitor/driver_feature_binding.h"
#include "monitor/hotkey_library_binding.h"
#include "monitor/monitor_window.h"
#include "monitor/program_start.h"
#include "monitor/usb_keyboard_scan.h"
#include "monitor/win32/monitor_window_win32.h"
#include "monitor/win32/tavelhook_library.h"
#include "platform/win32/character_input_win32.h"
#include "platform/win32/device_io_win32.h"
#include "platform/win32/device_tree_win32.h"
#include "platform/win32/file_mapping_win32.h"
#include "platform/win32/library_loader_win32.h"
#include "platform/win32/mci_win32.h"
#include "platform/win32/platform_events_win32.h"
#include "platform/win32/power_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/services_win32.h"
#include "platform/win32/system_info_win32.h"
#include "platform/win32/thread_desktop_win32.h"
#include "platform/win32/window_messages_win32.h"

using namespace tavel;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::vector<std::string> arguments(__argv + 1, __argv + __argc);

  Win32Registry registry;
  Win32ThreadDesktop desktop;
  Win32WindowMessages windows;
  Win32ServiceManager services;
  ProgramStartParts start{desktop, windows, services, [&registry] {
                            uint32_t status = 0;
                            ReadSvcMnApStatus(registry, status);
                            return status;
                          }};
  if (StartMonitor(arguments, start) != StartOutcome::RunWindow) return 0;

  Win32LibraryLoader loader;
  Win32SystemInfo system(loader);
  Win32DeviceIo deviceIo;
  Win32DeviceTree deviceTree(loader);
  Win32FileMappings mappings;
  Win32WindowTimers timers;
  Win32Power power(loader);
  Win32CharacterInput characters;
  Win32PlatformEvents events(loader);
  TavelhookLibrary hook;
  UsbKeyboardScan keyboards(deviceTree, hook);
  HotkeyLibraryBinding hotkeys(registry, system, loader);
  DriverFeatureBinding driver(deviceIo, system.Platform());
  // The eject worker may still be opening doors when the message loop ends;
  // what it uses lives in static storage, not in this frame.
  static Win32Processes processes;
  static Win32CdDrives cdDrives;
  static EjectWorker eject(processes, cdDrives);
  ActionPlatform actions{hotkeys, driver, power, services, eject, windows, timers, processes, characters};
  MonitorWindow window({hook, keyboards, mappings, windows, timers, processes, actions, events});

  RunMonitorWindow(instance, window, timers);
  return 0;
}
