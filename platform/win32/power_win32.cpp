#include "platform/win32/power_win32.h"

#include <windows.h>

namespace tavel {

void Win32Power::EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  }
  CloseHandle(token);
}

void Win32Power::SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) {
  using SetSuspendStateFn = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
  LibraryHandle library = loader_.LoadSystemLibrary("powrprof.dll");
  if (library == 0) return;
  if (auto suspend = reinterpret_cast<SetSuspendStateFn>(loader_.Resolve(library, "SetSuspendState"))) {
    suspend(hibernate, forceCritical, disableWakeEvent);
  }
  loader_.Free(library);
}

}  // namespace tavel
