#include "panel/win32/tavelhook_calls.h"

#include <windows.h>

#include "panel/win32/program_folder.h"

namespace tavel::panel {
namespace {

using SetExtKbSettingsFn = LONG(__stdcall*)(DWORD, DWORD, DWORD, DWORD, DWORD, DWORD);
using SetKeySensMapFn = LONG(__stdcall*)(const KeySensMap*);
using SetKeySensStatusFn = LONG(__stdcall*)(DWORD);

template <typename Fn, typename... Args>
void CallOrdinal(WORD ordinal, Args... args) {
  HMODULE library = LoadLibraryW(BesideProgram(L"Tavelhook.dll").c_str());
  if (!library) return;
  if (auto function = reinterpret_cast<Fn>(
          reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(ordinal))))) {
    function(args...);
  }
  FreeLibrary(library);
}

}  // namespace

void SetKeySensMapInHook(const KeySensMap& map) { CallOrdinal<SetKeySensMapFn>(27, &map); }

void SetKeySensStatusInHook(uint32_t status) { CallOrdinal<SetKeySensStatusFn>(30, status); }

void SetExtKbSettingsInHook(const ExtKbSettingsRequest& r) {
  CallOrdinal<SetExtKbSettingsFn>(24, r.mask, r.values.status, r.values.autoStatus,
                                  r.values.usbKbPresent, r.values.docked,
                                  r.values.morrowUsbKbPresent);
}

}  // namespace tavel::panel
