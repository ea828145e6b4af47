#include "panel/win32/monitor_control_win32.h"

#include <windows.h>

#include "common/settings_store.h"
#include "monitor/channel_records.h"
#include "monitor/service_control.h"
#include "panel/win32/program_folder.h"
#include "platform/win32/start_program_win32.h"

namespace tavel::panel {
namespace {

constexpr char kRunValueName[] = "TAVELMON";
// Under emulation a start takes the better part of a second.
constexpr DWORD kMonitorStartStopLimitMs = 10000;

}  // namespace

bool MonitorWindowExists() { return FindWindowA(kMonitorWindowClass, nullptr) != nullptr; }

void Win32MonitorControl::SendServiceControl(uint32_t code) { TavelSvcControl(services_, code); }

std::optional<std::string> Win32MonitorControl::InstallDirectory() {
  std::string folder;
  if (!ReadInstallFolder(registry_, folder)) return std::nullopt;
  return folder;
}

void Win32MonitorControl::SetRunValue(const std::string& monitorPath) {
  SetStartupEntry(registry_, kRunValueName, monitorPath.c_str(), true);
}

void Win32MonitorControl::DeleteRunValue() {
  SetStartupEntry(registry_, kRunValueName, "", false);
}

bool Win32MonitorControl::RunValueExists() { return HasStartupEntry(registry_, kRunValueName); }

// The monitor beside this program, by its full path: a "Tavelmon.exe" in the
// current folder must never be the one that runs. Each start and stop is
// over before the next one begins: a monitor started has its window (for a
// stop to find), a stop has seen the monitor end. The monitor may seem to
// wait for input before its window is there (it asks the service first), so
// the window itself is looked for while the new process runs. Bounded, so
// that a monitor that does not answer cannot hang this program. A monitor
// that runs already is left to run: another one would only find it and
// leave, and Apply would wait for that.
void Win32MonitorControl::LaunchMonitor(bool stop) {
  if (!stop && MonitorWindowExists()) return;
  ProcessHandle process = StartProgram(BesideProgram(L"Tavelmon.exe"), stop ? L"/x" : L"", SW_HIDE);
  if (!process) return;
  if (stop) {
    WaitForSingleObject(process.get(), kMonitorStartStopLimitMs);
    return;
  }
  constexpr DWORD kLookEveryMs = 20;
  const DWORD start = GetTickCount();
  while (!MonitorWindowExists() && GetTickCount() - start < kMonitorStartStopLimitMs &&
         WaitForSingleObject(process.get(), kLookEveryMs) == WAIT_TIMEOUT) {
  }
}

}  // namespace tavel::panel
