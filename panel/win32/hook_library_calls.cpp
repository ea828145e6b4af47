#include "panel/win32/hook_library_calls.h"

#include <windows.h>

#include "panel/win32/program_folder.h"

namespace tavel::panel {
namespace {

// The library exports by ordinal only.
constexpr WORD kSetKeySensMap = 27;
constexpr WORD kSetKeySensStatus = 30;
using SetKeySensMapFn = LONG(__stdcall*)(const KeySensMap*);
using SetKeySensStatusFn = LONG(__stdcall*)(DWORD);

template <typename Fn, typename Argument>
void CallHookLibrary(WORD ordinal, Argument argument) {
  HMODULE library = LoadLibraryW(BesideProgram(L"Tavelhook.dll").c_str());
  if (!library) return;
  if (auto call = reinterpret_cast<Fn>(
          reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(ordinal))))) {
    call(argument);
  }
  FreeLibrary(library);
}

}  // namespace

void CallSetKeySensMap(const KeySensMap& map) {
  CallHookLibrary<SetKeySensMapFn>(kSetKeySensMap, &map);
}

void CallSetKeySensStatus(uint32_t status) {
  CallHookLibrary<SetKeySensStatusFn>(kSetKeySensStatus, static_cast<DWORD>(status));
}

}  // namespace tavel::panel
