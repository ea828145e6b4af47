// The monitor's start: which form it was started in, whether it is wanted on
// this desktop, and whether another monitor already serves it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "platform/thread_desktop.h"
#include "platform/window_messages.h"

namespace tavel {

struct ProgramStartParts {
  ThreadDesktop& desktop;
  WindowMessages& windows;
  ServiceManager& services;
  // SvcMnApStatus, 0 when it cannot be read.
  std::function<uint32_t()> readServiceMonitorStatus;
};

enum class StartOutcome {
  Exit,       // nothing more to do; the process ends with 0
  RunWindow,  // create the monitor window and run the message loop
};

StartOutcome StartMonitor(const std::vector<std::string>& arguments, ProgramStartParts& parts);

}  // namespace tavel
