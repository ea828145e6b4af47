// The monitor's command-line forms.
#pragma once

#include <string>
#include <vector>

namespace tavel {

enum class StartKind {
  Normal,         // run on the current desktop (or the named one)
  StopCurrent,    // stop the monitor of the current desktop
  ServiceStart,   // run on the named desktop if the service looks after monitors
  RemoteStop,     // stop the monitor of the named desktop
};

struct StartRequest {
  StartKind kind = StartKind::Normal;
  bool switchDesktop = false;  // desktopName is to be opened first
  std::string desktopName;
};

inline constexpr size_t kDesktopNameCapacity = 260;  // including the terminator

bool IsStopSwitch(const std::string& argument);

// Arguments after the program name.
StartRequest ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace tavel
