// Ordinals 13 to 42: the Load, Get and Set operations over this user's
// registry and the shared state.
#include "hook/exports.h"
#include "hook/shared_state_mapping.h"
#include "hook/tavelhook_api.h"
#include "platform/win32/registry_win32.h"

namespace {

tavel::Win32Registry g_registry;

tavel::SharedHookState& State() { return tavel::TheSharedHookState(); }

DWORD* StoreStatus(uint32_t status, DWORD* out) {
  if (out) *out = status;
  return out;
}

}  // namespace

LONG __stdcall LoadVrKbMap() { return tavel::LoadVrKbMap(g_registry, State()); }
tavel::VrKbMap* __stdcall GetVrKbMap(tavel::VrKbMap* out) { return tavel::GetVrKbMap(State(), out); }
LONG __stdcall SetVrKbMap(const tavel::VrKbMap* map) {
  return tavel::SetVrKbMap(g_registry, State(), map);
}
LONG __stdcall LoadVrKbStatus() { return tavel::LoadVrKbStatus(g_registry, State()); }
DWORD* __stdcall GetVrKbStatus(DWORD* out) { return StoreStatus(State().vrKbStatus, out); }
LONG __stdcall SetVrKbStatus(DWORD status) {
  return tavel::SetVrKbStatus(g_registry, State(), status);
}

LONG __stdcall LoadExtKbMap() { return tavel::LoadExtKbMap(g_registry, State()); }
tavel::ExtKbMap* __stdcall GetExtKbMap(tavel::ExtKbMap* out) {
  return tavel::GetExtKbMap(State(), out);
}
LONG __stdcall SetExtKbMap(const tavel::ExtKbMap* map) {
  return tavel::SetExtKbMap(g_registry, State(), map);
}
LONG __stdcall LoadExtKbSettings() { return tavel::LoadExtKbSettings(g_registry, State()); }
tavel::ExtKbSettingsRequest* __stdcall GetExtKbSettings(tavel::ExtKbSettingsRequest* request) {
  return tavel::GetExtKbSettings(State(), request);
}
LONG __stdcall SetExtKbSettings(DWORD mask, DWORD status, DWORD autoStatus, DWORD usbKbPresent,
                                DWORD docked, DWORD morrowUsbKbPresent) {
  tavel::ExtKbSettingsRequest request{mask,
                                      {status, autoStatus, usbKbPresent, docked, morrowUsbKbPresent}};
  return tavel::SetExtKbSettings(g_registry, State(), request);
}

LONG __stdcall LoadKeySensMap() { return tavel::LoadKeySensMap(g_registry, State()); }
tavel::KeySensMap* __stdcall GetKeySensMap(tavel::KeySensMap* out) {
  return tavel::GetKeySensMap(State(), out);
}
LONG __stdcall SetKeySensMap(const tavel::KeySensMap* map) {
  return tavel::SetKeySensMap(g_registry, State(), map);
}
LONG __stdcall LoadKeySensStatus() { return tavel::LoadKeySensStatus(g_registry, State()); }
DWORD* __stdcall GetKeySensStatus(DWORD* out) { return StoreStatus(State().keySensStatus, out); }
LONG __stdcall SetKeySensStatus(DWORD status) {
  return tavel::SetKeySensStatus(g_registry, State(), status);
}

LONG __stdcall LoadSymbMap() { return tavel::LoadSymbMap(g_registry, State()); }
tavel::SymbMap* __stdcall GetSymbMap(tavel::SymbMap* out) { return tavel::GetSymbMap(State(), out); }
LONG __stdcall SetSymbMap(const tavel::SymbMap* map) {
  return tavel::SetSymbMap(g_registry, State(), map);
}
LONG __stdcall LoadSymbStatus() { return tavel::LoadSymbStatus(g_registry, State()); }
DWORD* __stdcall GetSymbStatus(DWORD* out) { return StoreStatus(State().symbStatus, out); }
LONG __stdcall SetSymbStatus(DWORD status) {
  return tavel::SetSymbStatus(g_registry, State(), status);
}

LONG __stdcall LoadVrKbBrwMap() { return tavel::LoadVrKbBrwMap(g_registry, State()); }
tavel::VrKbBrwMap* __stdcall GetVrKbBrwMap(tavel::VrKbBrwMap* out) {
  return tavel::GetVrKbBrwMap(State(), out);
}
LONG __stdcall SetVrKbBrwMap(const tavel::VrKbBrwMap* map) {
  return tavel::SetVrKbBrwMap(g_registry, State(), map);
}
LONG __stdcall LoadVrKbBrwStatus() { return tavel::LoadVrKbBrwStatus(g_registry, State()); }
DWORD* __stdcall GetVrKbBrwStatus(DWORD* out) { return StoreStatus(State().vrKbBrwStatus, out); }
LONG __stdcall SetVrKbBrwStatus(DWORD status) {
  return tavel::SetVrKbBrwStatus(g_registry, State(), status);
}
