#include "monitor/program_start.h"

#include "monitor/channel_records.h"
#include "monitor/command_line.h"
#include "monitor/monitor_messages.h"
#include "monitor/service_control.h"

namespace tavel {

namespace {

// Whoever stops the monitor may start one right after: this returns once
// the monitor has ended (within reason), so the new one does not find the
// old one's window and leave.
constexpr uint32_t kMonitorEndLimitMs = 5000;

void StopMonitorOfThisDesktop(WindowMessages& windows) {
  if (WindowHandle monitor = windows.FindTopLevel(kMonitorWindowClass, nullptr)) {
    windows.Post(monitor, WM_QUIT_MESSAGE, 0, 0);
    windows.WaitUntilGone(monitor, kMonitorEndLimitMs);
  }
}

}  // namespace

StartOutcome StartMonitor(const std::vector<std::string>& arguments, ProgramStartParts& parts) {
  const StartRequest request = ParseCommandLine(arguments);
  if (request.kind == StartKind::StopCurrent) {
    StopMonitorOfThisDesktop(parts.windows);
    return StartOutcome::Exit;
  }
  if (request.switchDesktop) {
    // A name that does not fit the desktop-name buffer is refused rather than
    // cut to some other desktop's name.
    if (request.desktopName.size() >= kDesktopNameCapacity) return StartOutcome::Exit;
    if (!parts.desktop.SwitchTo(request.desktopName.c_str())) return StartOutcome::Exit;
  }
  if (request.kind == StartKind::RemoteStop) {
    StopMonitorOfThisDesktop(parts.windows);
    return StartOutcome::Exit;
  }
  const bool serviceLooksAfterMonitors = parts.readServiceMonitorStatus() != 0;
  if (request.kind == StartKind::ServiceStart) {
    if (!serviceLooksAfterMonitors) return StartOutcome::Exit;
  } else if (!serviceLooksAfterMonitors) {
    TavelSvcControl(parts.services, kSvcMonitorStarted);
  }
  // One monitor per desktop.
  if (parts.windows.FindTopLevel(kMonitorWindowClass, nullptr) != 0) return StartOutcome::Exit;
  return StartOutcome::RunWindow;
}

}  // namespace tavel
