// The exported interface of Tavelhook.dll. Every function is exported by
// ordinal only (see Tavelhook.exports); programs that link the library bind
// these declarations through the import library, programs that load it at run
// time look the ordinals up with GetProcAddress(module, MAKEINTRESOURCEA(n)).
//
// A "registry error code" is the Win32 code of the failed open or create of
// the settings key, otherwise 0. Set operations store into the state shared by
// every process that has the library loaded before they write the registry, so
// the running hook uses a new value from its next key event.
#pragma once

#include <windows.h>

#include "common/records.h"

extern "C" {

// Installs the low-level keyboard hook for the calling thread's desktop kind,
// with `monitorWindow` as the receiver of WM_ASSIGNED_KEY. NULL on failure.
HHOOK __stdcall InstallKeyboardHook(HWND monitorWindow);                   // 10
// Unhooks the hook stored for the calling thread's desktop kind.
BOOL __stdcall RemoveKeyboardHook();                                        // 11
LRESULT __stdcall KeyboardHookProc(int code, WPARAM message, LPARAM event); // 12

LONG __stdcall LoadVrKbMap();                                               // 13
tavel::VrKbMap* __stdcall GetVrKbMap(tavel::VrKbMap* out);                  // 14
LONG __stdcall SetVrKbMap(const tavel::VrKbMap* map);                       // 15
LONG __stdcall LoadVrKbStatus();                                            // 16
DWORD* __stdcall GetVrKbStatus(DWORD* out);                                 // 17
LONG __stdcall SetVrKbStatus(DWORD status);                                 // 18

LONG __stdcall LoadExtKbMap();                                              // 19
tavel::ExtKbMap* __stdcall GetExtKbMap(tavel::ExtKbMap* out);               // 20
LONG __stdcall SetExtKbMap(const tavel::ExtKbMap* map);                     // 21
LONG __stdcall LoadExtKbSettings();                                         // 22
// Fills in the values whose bit is set in request->mask; returns `request`.
tavel::ExtKbSettingsRequest* __stdcall GetExtKbSettings(
    tavel::ExtKbSettingsRequest* request);                                  // 23
// Stores and writes only the values whose bit is set in `mask`.
LONG __stdcall SetExtKbSettings(DWORD mask, DWORD status, DWORD autoStatus,
                                DWORD usbKbPresent, DWORD docked,
                                DWORD morrowUsbKbPresent);                  // 24

LONG __stdcall LoadKeySensMap();                                            // 25
tavel::KeySensMap* __stdcall GetKeySensMap(tavel::KeySensMap* out);         // 26
LONG __stdcall SetKeySensMap(const tavel::KeySensMap* map);                 // 27
LONG __stdcall LoadKeySensStatus();                                         // 28
DWORD* __stdcall GetKeySensStatus(DWORD* out);                              // 29
LONG __stdcall SetKeySensStatus(DWORD status);                              // 30

LONG __stdcall LoadSymbMap();                                               // 31
tavel::SymbMap* __stdcall GetSymbMap(tavel::SymbMap* out);                  // 32
LONG __stdcall SetSymbMap(const tavel::SymbMap* map);                       // 33
LONG __stdcall LoadSymbStatus();                                            // 34
DWORD* __stdcall GetSymbStatus(DWORD* out);                                 // 35
LONG __stdcall SetSymbStatus(DWORD status);                                 // 36

LONG __stdcall LoadVrKbBrwMap();                                            // 37
tavel::VrKbBrwMap* __stdcall GetVrKbBrwMap(tavel::VrKbBrwMap* out);         // 38
LONG __stdcall SetVrKbBrwMap(const tavel::VrKbBrwMap* map);                 // 39
LONG __stdcall LoadVrKbBrwStatus();                                         // 40
DWORD* __stdcall GetVrKbBrwStatus(DWORD* out);                              // 41
LONG __stdcall SetVrKbBrwStatus(DWORD status);                              // 42

}  // extern "C"
