#include "monitor/win32/tavelhook_library.h"

#include "hook/monitor_notices.h"
#include "hook/tavelhook_api.h"

namespace tavel {

bool TavelhookLibrary::InstallKeyboardHook(WindowHandle monitorWindow) {
  monitorWindow_ = monitorWindow;
  return ::InstallKeyboardHook(reinterpret_cast<HWND>(monitorWindow)) != nullptr;
}
void TavelhookLibrary::RemoveKeyboardHook() { ::RemoveKeyboardHook(); }

// The counter lives in the library, in this process; installing the hook
// put its address on the window.
uint32_t TavelhookLibrary::HookCalls() {
  const auto* calls = static_cast<const volatile uint32_t*>(
      GetPropA(reinterpret_cast<HWND>(monitorWindow_), kHookCallsProperty));
  return calls ? *calls : 0;
}

void TavelhookLibrary::LoadVrKbStatus() { ::LoadVrKbStatus(); }
void TavelhookLibrary::LoadExtKbSettings() { ::LoadExtKbSettings(); }
void TavelhookLibrary::LoadVrKbMap() { ::LoadVrKbMap(); }
void TavelhookLibrary::LoadExtKbMap() { ::LoadExtKbMap(); }
void TavelhookLibrary::LoadKeySensStatus() { ::LoadKeySensStatus(); }
void TavelhookLibrary::LoadKeySensMap() { ::LoadKeySensMap(); }
void TavelhookLibrary::LoadSymbStatus() { ::LoadSymbStatus(); }
void TavelhookLibrary::LoadSymbMap() { ::LoadSymbMap(); }
void TavelhookLibrary::LoadVrKbBrwStatus() { ::LoadVrKbBrwStatus(); }
void TavelhookLibrary::LoadVrKbBrwMap() { ::LoadVrKbBrwMap(); }

namespace {

void GetStatus(DWORD* (__stdcall* get)(DWORD*), uint32_t& out) {
  DWORD status = out;
  get(&status);
  out = status;
}

}  // namespace

void TavelhookLibrary::GetVrKbStatus(uint32_t& out) { GetStatus(::GetVrKbStatus, out); }
void TavelhookLibrary::GetVrKbMap(VrKbMap& out) { ::GetVrKbMap(&out); }
void TavelhookLibrary::GetVrKbBrwStatus(uint32_t& out) { GetStatus(::GetVrKbBrwStatus, out); }
void TavelhookLibrary::GetVrKbBrwMap(VrKbBrwMap& out) { ::GetVrKbBrwMap(&out); }
void TavelhookLibrary::GetExtKbSettings(ExtKbSettingsRequest& out) { ::GetExtKbSettings(&out); }
void TavelhookLibrary::GetExtKbMap(ExtKbMap& out) { ::GetExtKbMap(&out); }
void TavelhookLibrary::GetSymbStatus(uint32_t& out) { GetStatus(::GetSymbStatus, out); }
void TavelhookLibrary::GetSymbMap(SymbMap& out) { ::GetSymbMap(&out); }
void TavelhookLibrary::GetKeySensMap(KeySensMap& out) { ::GetKeySensMap(&out); }
void TavelhookLibrary::GetKeySensStatus(uint32_t& out) { GetStatus(::GetKeySensStatus, out); }

void TavelhookLibrary::SetVrKbStatus(uint32_t status) { ::SetVrKbStatus(status); }
void TavelhookLibrary::SetVrKbMap(const VrKbMap& map) { ::SetVrKbMap(&map); }
void TavelhookLibrary::SetVrKbBrwStatus(uint32_t status) { ::SetVrKbBrwStatus(status); }
void TavelhookLibrary::SetVrKbBrwMap(const VrKbBrwMap& map) { ::SetVrKbBrwMap(&map); }
void TavelhookLibrary::SetExtKbSettings(const ExtKbSettingsRequest& r) {
  ::SetExtKbSettings(r.mask, r.values.status, r.values.autoStatus, r.values.usbKbPresent,
                     r.values.docked, r.values.morrowUsbKbPresent);
}
void TavelhookLibrary::SetExtKbMap(const ExtKbMap& map) { ::SetExtKbMap(&map); }
void TavelhookLibrary::SetSymbStatus(uint32_t status) { ::SetSymbStatus(status); }
void TavelhookLibrary::SetSymbMap(const SymbMap& map) { ::SetSymbMap(&map); }
void TavelhookLibrary::SetKeySensStatus(uint32_t status) { ::SetKeySensStatus(status); }

}  // namespace tavel
