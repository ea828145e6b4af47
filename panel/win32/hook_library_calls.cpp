#include "panel/win32/hook_library_calls.h"

#include <windows.h>

#include "panel/win32/program_folder.h"

namespace tavel::panel {
namespace {

// The library exports by ordinal only.
constexpr WORD kSetExtKbSettings = 24;
constexpr WORD kSetKeySensMap = 27;
constexpr WORD kSetKeySensStatus = 30;
using SetExtKbSettingsFn = LONG(__stdcall*)(DWORD, DWORD, DWORD, DWORD, DWORD, DWORD);
using SetKeySensMapFn = LONG(__stdcall*)(const KeySensMap*);
using SetKeySensStatusFn = LONG(__stdcall*)(DWORD);

template <typename Fn, typename... Arguments>
void CallHookLibrary(WORD ordinal, Arguments... arguments) {
  const std::wstring path = BesideProgram(L"Tavelhook.dll");
  HMODULE library = path.empty() ? nullptr : LoadLibraryW(path.c_str());
  if (!library) return;
  if (auto call = reinterpret_cast<Fn>(
          reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(ordinal))))) {
    call(arguments...);
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

void CallSetExtKbSettings(const ExtKbSettingsRequest& r) {
  const ExtKbSettings& v = r.values;
  CallHookLibrary<SetExtKbSettingsFn>(kSetExtKbSettings, r.mask, v.status, v.autoStatus,
                                      v.usbKbPresent, v.docked, v.morrowUsbKbPresent);
}

}  // namespace tavel::panel
