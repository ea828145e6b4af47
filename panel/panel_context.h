// What the configuration program's windows work with: the in-memory
// settings, the tab state and the ways out to the registry, the monitor and
// the devices. Owned by the application object for the life of the UI.
#pragma once

#include "panel/core/apply_sequence.h"
#include "panel/core/keyboard_recheck.h"
#include "panel/core/monitor_control.h"
#include "panel/core/panel_settings.h"
#include "panel/core/stored_settings.h"
#include "panel/maintenance/reset_sequence.h"
#include "platform/device_io.h"
#include "platform/library_loader.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace tavel::panel {

struct PanelContext {
  PanelSettings& settings;
  // What the registry holds of them; writes go through it.
  StoredSettings& stored;
  TabAvailability& tabs;
  ProductState& state;
  MonitorControl& monitor;
  ApplyEffects& effects;
  ResetEffects& resetEffects;
  Registry& registry;
  // What the capability questions reach: the driver, the system, libraries.
  DeviceIo& io;
  SystemInfo& system;
  LibraryLoader& loader;
};

}  // namespace tavel::panel
