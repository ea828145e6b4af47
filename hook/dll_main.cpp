// Entry point of Tavelhook.dll.
#include <windows.h>

#include "hook/first_run_win32.h"
#include "hook/keyboard_hook_win32.h"
#include "hook/shared_state_mapping.h"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      tavel::AttachSharedHookState();
      [[fallthrough]];
    case DLL_THREAD_ATTACH:
      // Every thread may run on another desktop, with its own hook to chain to.
      tavel::AdoptDesktopHook(module);
      tavel::WriteFirstRunSettings();
      break;
    case DLL_PROCESS_DETACH:
      // Unloaded while the process goes on (reserved == NULL): release the
      // shared block. At process exit the system releases it.
      if (!reserved) tavel::DetachSharedHookState();
      break;
    default:
      break;
  }
  return TRUE;
}
