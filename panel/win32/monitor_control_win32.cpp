#include "panel/win32/monitor_control_win32.h"

#include <windows.h>

#include "common/settings_store.h"
#include "monitor/service_control.h"
#include "panel/win32/program_folder.h"

namespace tavel::panel {
namespace {

constexpr char kRunValueName[] = "TAVELMON";

}  // namespace

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
// current folder must never be the one that runs.
void Win32MonitorControl::LaunchMonitor(bool stop) {
  const std::wstring program = BesideProgram(L"Tavelmon.exe");
  if (program.empty()) return;
  std::wstring commandLine = L"\"" + program + L"\"";
  if (stop) commandLine += L" /x";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace tavel::panel
