// Whether the resident monitor must run, and starting or stopping it.
#pragma once

#include <cstdint>

#include "common/records.h"
#include "panel/core/monitor_control.h"
#include "panel/core/panel_settings.h"

namespace tavel::panel {

// The settings that only the monitor's hook can carry out, either as saved or
// as the pages currently show them.
struct MonitorNeedSource {
  uint32_t vrKbAsgnsStatus;
  uint32_t extKbAsgnsStatus;
  KeySensMap keySensMap;
  uint32_t vrKbBrwAsgnsStatus;
  SymbMap symbMap;
};

bool MonitorNeeded(const MonitorNeedSource& source);
// The same over the saved settings: after Options and after a reset.
bool MonitorNeeded(const PanelSettings& saved);

// Tells the service, records the logon start (when the installation folder
// is known) and runs the monitor.
void StartMonitor(MonitorControl& control);
// The same in reverse: the monitor stops, the logon start is removed.
void StopMonitor(MonitorControl& control);

// After Apply or a reset: start when needed and enabled; otherwise stop,
// unless the maker's keyboard (which wants the monitor) has been detected
// and the product is enabled, in which case everything stays as it is.
void UpdateMonitorRunStateTwoWay(bool needed, bool productEnabled, ProductState& state,
                                 MonitorControl& control);

// After the Options dialog: the same, but the maker's keyboard starts it.
void UpdateMonitorRunStateThreeWay(bool needed, bool productEnabled, ProductState& state,
                                   MonitorControl& control);

}  // namespace tavel::panel
