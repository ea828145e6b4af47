#include "panel/maintenance/reset_sequence.h"

#include "common/defaults.h"
#include "panel/core/monitor_run_state.h"

namespace tavel::panel {

void RunReset(uint32_t mask, const ResetContext& c) {
  if (mask == 0) return;
  PanelSettings& s = c.settings;
  if (mask & kResetNotebook) {
    s.vrKbMap = DefaultVrKbMap();
    s.vrKbBrwMap = DefaultVrKbBrwMap();
    c.pages.ResetNotebook(s.vrKbMap);
    c.effects.WriteVrKbMaps(s);
    c.effects.SendVrKb(s);
  }
  if (mask & kResetExternal) {
    s.extKbMap = c.externalDefaults();
    c.pages.ResetExternal(s.extKbMap);
    c.effects.WriteExtKbMap(s);
    c.effects.SendExtKb(s);
  }
  if (mask & kResetKeySensitivity) {
    s.keySensMap = DefaultKeySensMap();
    c.pages.ResetKeySensitivity(s.keySensMap);
    c.effects.WriteKeySensMap(s);
  }
  if (mask & kResetSpecialCharacters) {
    s.symbMap = DefaultSymbMap();
    c.pages.ResetSpecialCharacters(s.symbMap);
    c.effects.WriteSymbMap(s);
    c.effects.SendSymb(s);
  }
  UpdateMonitorRunStateTwoWay(MonitorNeeded(s), c.productEnabled, c.state, c.monitor);
}

}  // namespace tavel::panel
