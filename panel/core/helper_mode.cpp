#include "panel/core/helper_mode.h"

#include "monitor/service_control.h"
#include "panel/core/monitor_run_state.h"

namespace tavel::panel {

void RunHelperMode(ProductState& state, MonitorControl& control) {
  control.SendServiceControl(kSvcHelperStarted);

  uint32_t detected = state.UsbObiKbDetectStatus();
  if (detected == 0 && state.HasMorrowUsbKeyboard()) {
    detected = 1;  // the service stores it; we only act on it now
    control.SendServiceControl(kSvcMorrowKeyboardFound);
  }
  if (detected == 1 && state.TvkStatus() == 0) StartMonitor(control);

  // The service may have stored its own findings meanwhile: ask again.
  detected = state.UsbObiKbDetectStatus();
  const uint32_t disabled = state.TvkStatus();
  const uint32_t serviceLooksAfterMonitor = state.SvcMnApStatus();
  if (!control.RunValueExists() && serviceLooksAfterMonitor != 0 &&
      (detected == 0 || disabled != 0)) {
    control.SendServiceControl(kSvcMonitorStopped);
  }
}

}  // namespace tavel::panel
