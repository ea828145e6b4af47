// Ordinals 13 to 42: the Load, Get and Set operations of each settings item
// over this user's registry and the shared state.
#include "hook/exports.h"
#include "hook/monitor_notices.h"
#include "hook/shared_state_mapping.h"
#include "hook/tavelhook_api.h"
#include "platform/win32/registry_win32.h"

using namespace tavel;

namespace {

Win32Registry g_registry;

SharedHookState& State() { return TheSharedHookState(); }

// A key test puts the hook aside until the program running it puts the
// status back. Told who runs it, a monitor watches that program and puts the
// status back itself should the program end first (killed, crashed). The
// notice goes out before the status changes, so no moment is left in which
// the status is 2 and nobody watches.
void AnnounceKeyTest(uint32_t statusBefore) {
  for (uint32_t window : State().monitorWindows) {
    if (window == 0) continue;
    PostMessageA(static_cast<HWND>(LongToHandle(static_cast<LONG>(window))), WM_KEY_TEST_STARTED,
                 GetCurrentProcessId(), statusBefore);
  }
}

DWORD* GetStatus(uint32_t shared, DWORD* out) {
  if (out) *out = shared;
  return out;
}

}  // namespace

LONG __stdcall LoadVrKbMap() { return LoadRecord(g_registry, State().vrKbMap); }
VrKbMap* __stdcall GetVrKbMap(VrKbMap* out) { return GetRecord(State().vrKbMap, out); }
LONG __stdcall SetVrKbMap(const VrKbMap* map) {
  return SetRecord(g_registry, State().vrKbMap, map);
}
LONG __stdcall LoadVrKbStatus() { return LoadStatus(g_registry, status::kVrKb, State().vrKbStatus); }
DWORD* __stdcall GetVrKbStatus(DWORD* out) { return GetStatus(State().vrKbStatus, out); }
LONG __stdcall SetVrKbStatus(DWORD value) {
  return SetStatus(g_registry, status::kVrKb, State().vrKbStatus, value);
}

LONG __stdcall LoadExtKbMap() { return LoadRecord(g_registry, State().extKbMap); }
ExtKbMap* __stdcall GetExtKbMap(ExtKbMap* out) { return GetRecord(State().extKbMap, out); }
LONG __stdcall SetExtKbMap(const ExtKbMap* map) {
  return SetRecord(g_registry, State().extKbMap, map);
}
LONG __stdcall LoadExtKbSettings() { return tavel::LoadExtKbSettings(g_registry, State().extKbSettings); }
ExtKbSettingsRequest* __stdcall GetExtKbSettings(ExtKbSettingsRequest* request) {
  return tavel::GetExtKbSettings(State().extKbSettings, request);
}
LONG __stdcall SetExtKbSettings(DWORD mask, DWORD status, DWORD autoStatus, DWORD usbKbPresent,
                                DWORD docked, DWORD morrowUsbKbPresent) {
  ExtKbSettingsRequest request{mask, {status, autoStatus, usbKbPresent, docked, morrowUsbKbPresent}};
  return tavel::SetExtKbSettings(g_registry, State().extKbSettings, request);
}

LONG __stdcall LoadKeySensMap() { return LoadRecord(g_registry, State().keySensMap); }
KeySensMap* __stdcall GetKeySensMap(KeySensMap* out) { return GetRecord(State().keySensMap, out); }
LONG __stdcall SetKeySensMap(const KeySensMap* map) {
  return SetRecord(g_registry, State().keySensMap, map);
}
LONG __stdcall LoadKeySensStatus() {
  return LoadStatus(g_registry, status::kKeySens, State().keySensStatus);
}
DWORD* __stdcall GetKeySensStatus(DWORD* out) { return GetStatus(State().keySensStatus, out); }
LONG __stdcall SetKeySensStatus(DWORD value) {
  if (value == kKeySensKeyTestRunning) AnnounceKeyTest(State().keySensStatus);
  return SetStatus(g_registry, status::kKeySens, State().keySensStatus, value);
}

LONG __stdcall LoadSymbMap() { return LoadRecord(g_registry, State().symbMap); }
SymbMap* __stdcall GetSymbMap(SymbMap* out) { return GetRecord(State().symbMap, out); }
LONG __stdcall SetSymbMap(const SymbMap* map) {
  return SetRecord(g_registry, State().symbMap, map);
}
LONG __stdcall LoadSymbStatus() { return LoadStatus(g_registry, status::kSymb, State().symbStatus); }
DWORD* __stdcall GetSymbStatus(DWORD* out) { return GetStatus(State().symbStatus, out); }
LONG __stdcall SetSymbStatus(DWORD value) {
  return SetStatus(g_registry, status::kSymb, State().symbStatus, value);
}

LONG __stdcall LoadVrKbBrwMap() { return LoadRecord(g_registry, State().vrKbBrwMap); }
VrKbBrwMap* __stdcall GetVrKbBrwMap(VrKbBrwMap* out) { return GetRecord(State().vrKbBrwMap, out); }
LONG __stdcall SetVrKbBrwMap(const VrKbBrwMap* map) {
  return SetRecord(g_registry, State().vrKbBrwMap, map);
}
LONG __stdcall LoadVrKbBrwStatus() {
  return LoadStatus(g_registry, status::kVrKbBrw, State().vrKbBrwStatus);
}
DWORD* __stdcall GetVrKbBrwStatus(DWORD* out) { return GetStatus(State().vrKbBrwStatus, out); }
LONG __stdcall SetVrKbBrwStatus(DWORD value) {
  return SetStatus(g_registry, status::kVrKbBrw, State().vrKbBrwStatus, value);
}
