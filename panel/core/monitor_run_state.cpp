#include "monitor/service_control.h"
#include "panel/core/monitor_run_state.h"

namespace tavel::panel {

bool MonitorNeeded(const MonitorNeedSource& s) {
  // The hook takes any notebook status but 0 as on (the page shows it
  // ticked); external assignments need exactly 1.
  if (s.vrKbAsgnsStatus != 0 || s.extKbAsgnsStatus == 1) return true;
  for (const KeySensEntry& e : s.keySensMap.entries) {
    if (e.minimumPressMs != 0) return true;
  }
  // Only the hook can block the browser keys.
  if (s.vrKbBrwAsgnsStatus == 0) return true;
  for (const SymbEntry& e : s.symbMap.entries) {
    if (e.characterChoice != 0 && e.firstKey != 0 && e.secondKey != 0) return true;
  }
  return false;
}

bool MonitorNeeded(const PanelSettings& s) {
  return MonitorNeeded(MonitorNeedSource{s.vrKbAsgnsStatus, s.extKb.status, s.keySensMap,
                                         s.vrKbBrwAsgnsStatus, s.symbMap});
}

void StartMonitor(MonitorControl& control) {
  control.SendServiceControl(kSvcMonitorStarted);
  // Quoted: the folder may hold blanks ("Program Files"), and an unquoted
  // command is tried blank by blank, "C:\Program.exe" first.
  if (auto dir = control.InstallDirectory()) control.SetRunValue("\"" + *dir + "\\Tavelmon.exe\"");
  control.LaunchMonitor(false);
}

void StopMonitor(MonitorControl& control) {
  control.SendServiceControl(kSvcMonitorStopped);
  if (control.InstallDirectory()) control.DeleteRunValue();
  control.LaunchMonitor(true);
}

void UpdateMonitorRunStateTwoWay(bool needed, bool productEnabled, ProductState& state,
                                 MonitorControl& control) {
  if (needed && productEnabled) {
    StartMonitor(control);
  } else if (state.UsbObiKbDetectStatus() == 0 || !productEnabled) {
    StopMonitor(control);
  }
}

void UpdateMonitorRunStateThreeWay(bool needed, bool productEnabled, ProductState& state,
                                   MonitorControl& control) {
  if (productEnabled && (needed || state.UsbObiKbDetectStatus() != 0)) {
    StartMonitor(control);
  } else {
    StopMonitor(control);
  }
}

}  // namespace tavel::panel
