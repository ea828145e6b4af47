// What the monitor does for an assigned key combination (ActionCode, posted
// by the keyboard hook) and for an Fn-function request of an outside
// component (FnFunctionCode).
#pragma once

#include <cstdint>

#include "common/records.h"
#include "monitor/driver_features.h"
#include "monitor/eject_worker.h"
#include "monitor/hotkey_interface.h"
#include "platform/character_input.h"
#include "platform/power.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/window_messages.h"
#include "platform/window_timer.h"

namespace tavel {

struct ActionPlatform {
  HotkeyInterfaceLoader& hotkeys;
  DriverFeatures& driver;
  Power& power;
  ServiceManager& services;
  EjectWorker& eject;
  WindowMessages& windows;
  WindowTimers& timers;
  Processes& processes;
  CharacterInput& characters;
};

// Codes of other values do nothing.
void ExecuteAction(ActionPlatform& platform, const SymbMap& symbMap, uint32_t actionCode);
void ExecuteFnFunction(ActionPlatform& platform, uint32_t fnFunctionCode);

}  // namespace tavel
