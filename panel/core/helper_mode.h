// The "/helper" background check run at logon: tells the service, and starts
// the monitor when the maker's USB keyboard wants it.
#pragma once

#include "panel/core/monitor_control.h"

namespace tavel::panel {

void RunHelperMode(ProductState& state, MonitorControl& control);

}  // namespace tavel::panel
