// A monitor window over fakes of everything it uses, every call in one log.
#pragma once

#include "fake_hook_library.h"
#include "monitor/monitor_window.h"
#include "monitor_fakes.h"

namespace tavel::testing {

struct FakeMonitor {
  CallLog log;
  FakeHookLibrary hook{log};
  FakeKeyboardScan keyboards{log};
  FakeMappings mappings{log};
  FakeWindows windows{log};
  FakeTimers timers{log};
  FakeProcesses processes{log};
  FakeHotkeyLoader hotkeys{log};
  FakeDriver driver{log};
  FakePower power{log};
  FakeServices services{log};
  FakeCdDrives drives{log};
  EjectWorker eject{processes, drives};
  FakeCharacters characters{log};
  FakePlatformEvents events{log};
  ActionPlatform actions{hotkeys, driver, power, services, eject, windows, timers, processes, characters};
  MonitorWindow window{{hook, keyboards, mappings, windows, timers, processes, actions, events}};
};

}  // namespace tavel::testing
