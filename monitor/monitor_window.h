// The decisions of the monitor window's procedure: start-up of the window,
// the settings channel, the one-shot timers, device changes and actions.
#pragma once

#include <cstdint>

#include "monitor/actions.h"
#include "monitor/channel_records.h"
#include "monitor/hook_keeper.h"
#include "monitor/hook_library.h"
#include "monitor/key_test_watch.h"
#include "monitor/keyboard_scan.h"
#include "monitor/settings_cache.h"
#include "platform/file_mapping.h"
#include "platform/platform_events.h"
#include "platform/processes.h"
#include "platform/window_messages.h"
#include "platform/window_timer.h"

namespace tavel {

inline constexpr char kPanelInstanceMutex[] = "TavelpanelInstanceMutex";

struct MonitorWindowParts {
  HookLibrary& hook;
  KeyboardScan& keyboards;
  FileMappings& mappings;
  WindowMessages& windows;
  WindowTimers& timers;
  Processes& processes;
  ActionPlatform& actions;
  PlatformEvents& events;
};

class MonitorWindow {
 public:
  explicit MonitorWindow(MonitorWindowParts parts)
      : parts_(parts),
        hookKeeper_(parts.hook, parts.events, parts.processes, parts.timers),
        keyTests_(parts.hook, parts.processes) {}

  // Every message of the window goes through here; the caller passes it on to
  // the default procedure afterwards, handled or not.
  void HandleMessage(WindowHandle self, uint32_t message, uintptr_t wParam, intptr_t lParam);

  const MonitorSettingsCache& Cache() const { return cache_; }

 private:
  void OnCreate(WindowHandle self);
  void OnTimer(uint32_t id);
  void OnDeviceChange(uintptr_t event);
  template <typename Record>
  void OnChannelMessage(uint32_t timerId);
  void Store(const VrKbChannelRecord& record);
  void Store(const ExtKbChannelRecord& record);
  void Store(const SymbChannelRecord& record);
  void ApplyVrKb();
  void ApplyExtKb();
  void ApplySymb();

  MonitorWindowParts parts_;
  MonitorSettingsCache cache_;
  HookKeeper hookKeeper_;
  KeyTestWatch keyTests_;
};

}  // namespace tavel
