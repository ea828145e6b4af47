#include "panel/core/apply_sequence.h"

#include "panel/core/monitor_run_state.h"

namespace tavel::panel {
namespace {

bool PagesValid(const ApplyContext& c) {
  if (!c.pages.ValidateNotebook()) return false;
  if (c.extKbTabEnabled && !c.pages.ValidateExternal()) return false;
  return c.pages.ValidateSymbols();
}

}  // namespace

bool RunApply(const ApplyContext& c) {
  if (!PagesValid(c)) return false;

  const NotebookPageValues notebook = c.pages.Notebook();
  const ExternalPageValues external = c.pages.External();
  const KeySensPageValues keySens = c.pages.KeySens();
  const SymbMap symbols = c.pages.Symbols();

  PanelSettings& s = c.settings;
  s.vrKbAsgnsStatus = notebook.enableAssignments;
  s.extKb.status = external.enableAssignments;
  if (keySens.enableBrowserKeys <= 1) s.vrKbBrwAsgnsStatus = keySens.enableBrowserKeys;

  const MonitorNeedSource need{s.vrKbAsgnsStatus, s.extKb.status, keySens.map,
                               s.vrKbBrwAsgnsStatus, symbols};
  UpdateMonitorRunStateTwoWay(MonitorNeeded(need), c.productEnabled, c.state, c.monitor);

  s.vrKbLangId = notebook.layoutId;
  c.effects.SaveLayout(s);
  s.vrKbMap = notebook.map;
  s.vrKbBrwMap = notebook.brwMap;
  c.effects.WriteVrKb(s);
  c.effects.SendVrKb(s);
  if (notebook.windowsKeyIsShift) c.effects.SwitchOffStickyKeysHotKey();

  if (c.extKbTabEnabled) {
    s.extKbMap = external.map;
    s.extKbMask |= kExtKbMaskStatus | kExtKbMaskAutoStatus;
    c.effects.WriteExtKb(s);
    c.effects.SendExtKb(s);
  }

  s.keySensMap = keySens.map;
  c.effects.WriteKeySens(s);

  s.symbMap = symbols;
  c.effects.WriteSymb(s);
  c.effects.SendSymb(s);
  return true;
}

}  // namespace tavel::panel
