// The second process of the hook library test: loads the library by name as
// the configuration program does, checks that it sees the first process's
// state, changes it, and removes a hook on a desktop where none was installed.
// With --load-only it just loads and unloads the library (its first-run
// settings are what the caller checks). Exit code 0 on success; otherwise the
// number of the failed check.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "proc_address.h"

namespace {

using GetStatusFn = DWORD*(__stdcall*)(DWORD*);
using SetStatusFn = LONG(__stdcall*)(DWORD);
using RemoveHookFn = BOOL(__stdcall*)();

// Runs on a thread moved to a desktop of its own, whose kind ("any other
// desktop") has no hook installed.
DWORD WINAPI RemoveOnOtherDesktop(LPVOID parameter) {
  auto removeHook = static_cast<RemoveHookFn*>(parameter);
  HDESK desktop = CreateDesktopA("TavelhookSecond", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  if (!desktop || !SetThreadDesktop(desktop)) return 2;
  char name[64] = {};
  GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, name,
                            sizeof(name) - 1, nullptr);
  std::printf("second: removing on desktop '%s'\n", name);
  return (*removeHook)() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  HMODULE library = LoadLibraryA("Tavelhook.dll");
  if (!library) return 10;
  if (argc > 1 && std::strcmp(argv[1], "--load-only") == 0) {
    FreeLibrary(library);
    return 0;
  }
  DWORD expectedSymbStatus = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 0;
  auto getSymbStatus = ProcByOrdinal<GetStatusFn>(library, 35);
  auto setKeySensStatus = ProcByOrdinal<SetStatusFn>(library, 30);
  auto removeHook = ProcByOrdinal<RemoveHookFn>(library, 11);
  if (!getSymbStatus || !setKeySensStatus || !removeHook) return 11;

  DWORD symbStatus = 0;
  getSymbStatus(&symbStatus);
  std::printf("second: symbStatus %lu (expected %lu)\n", symbStatus, expectedSymbStatus);
  if (symbStatus != expectedSymbStatus) return 12;

  if (setKeySensStatus(2) != ERROR_SUCCESS) return 13;

  HANDLE thread = CreateThread(nullptr, 0, RemoveOnOtherDesktop, &removeHook, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  DWORD removed = 3;
  GetExitCodeThread(thread, &removed);
  CloseHandle(thread);
  std::printf("second: remove on a desktop without a hook -> %s\n",
              removed == 0 ? "FALSE" : removed == 1 ? "TRUE" : "no desktop");
  if (removed != 0) return 14;

  FreeLibrary(library);
  return 0;
}
