#include "panel/maintenance/options_outcome.h"

#include "panel/core/monitor_run_state.h"

namespace tavel::panel {

void RunOptionsOutcome(const OptionsChoices& choices, const OptionsContext& c) {
  RunReset(choices.resetMask, {c.settings, c.pages, c.resetEffects, c.externalDefaults,
                               !c.product.disabled, c.state, c.monitor});

  c.product.disabled = choices.disableProduct;
  c.effects.WriteTvkStatus(c.product.disabled ? 1 : 0);
  c.effects.RefreshShownPage();
  if (c.product.disabled && c.effects.ApplyEnabled()) {
    c.effects.EnableApply(false);
    c.product.applyPendingWhileDisabled = true;
  } else if (!c.product.disabled && c.product.applyPendingWhileDisabled) {
    c.effects.EnableApply(true);
  }

  PanelSettings& s = c.settings;
  UpdateMonitorRunStateThreeWay(MonitorNeeded(s), !c.product.disabled, c.state, c.monitor);

  s.extKb.autoStatus = choices.autoDisableExtKb ? 1 : 0;
  s.extKbMask |= kExtKbMaskAutoStatus;
  c.effects.WriteExtKbSettings(s);
}

}  // namespace tavel::panel
