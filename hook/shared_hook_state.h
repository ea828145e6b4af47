// The assignments in force and the key state the hook shares between every
// process that loads the hook library: the monitor that runs the hook and the
// configuration program that changes settings under it. Every field is an
// aligned 32-bit word, read and written without locks; user handles are kept
// as 32-bit words so the layout is the same in 32- and 64-bit processes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/records.h"

namespace tavel {

// Desktops the monitor may run on, one hook and one monitor window each.
enum DesktopKind : uint32_t {
  kDesktopWinlogon = 1,
  kDesktopDisconnect = 2,
  kDesktopDefault = 3,
  kDesktopOther = 4,
};
inline constexpr size_t kDesktopKinds = 4;

// A physical key the hook has taken over as a notebook assignment, and
// whether it is held right now.
struct SynthModifier {
  uint32_t vk;
  uint32_t down;
};

struct SynthModifierTable {
  static constexpr size_t kRows = 6;
  SynthModifier rows[kRows];
};

struct SharedHookState {
  uint32_t hooks[kDesktopKinds];           // HHOOK per DesktopKind (index kind - 1)
  uint32_t monitorWindows[kDesktopKinds];  // HWND receiving WM_ASSIGNED_KEY, per DesktopKind
  VrKbMap vrKbMap;
  ExtKbMap extKbMap;
  SymbMap symbMap;
  uint32_t symbStatus;
  uint32_t vrKbStatus;
  ExtKbSettings extKbSettings;  // status, autoStatus, usbKbPresent, docked, morrowUsbKbPresent
  SynthModifierTable synthModifiers;
  uint32_t koreanRightAltDown;   // right Alt reported as vk 15, scan 38, is held
  uint32_t koreanRightCtrlDown;  // right Ctrl reported as vk 19, scan 1D, is held
  KeySensMap keySensMap;
  uint32_t keySensStatus;
  VrKbBrwMap vrKbBrwMap;
  uint32_t vrKbBrwStatus;
};

static_assert(offsetof(SharedHookState, hooks) == 0);
static_assert(offsetof(SharedHookState, monitorWindows) == 16);
static_assert(offsetof(SharedHookState, vrKbMap) == 32);
static_assert(offsetof(SharedHookState, extKbMap) == 48);
static_assert(offsetof(SharedHookState, symbMap) == 128);
static_assert(offsetof(SharedHookState, symbStatus) == 200);
static_assert(offsetof(SharedHookState, vrKbStatus) == 204);
static_assert(offsetof(SharedHookState, extKbSettings) == 208);
static_assert(offsetof(SharedHookState, synthModifiers) == 228);
static_assert(offsetof(SharedHookState, koreanRightAltDown) == 276);
static_assert(offsetof(SharedHookState, koreanRightCtrlDown) == 280);
static_assert(offsetof(SharedHookState, keySensMap) == 284);
static_assert(offsetof(SharedHookState, keySensStatus) == 332);
static_assert(offsetof(SharedHookState, vrKbBrwMap) == 336);
static_assert(offsetof(SharedHookState, vrKbBrwStatus) == 360);
static_assert(sizeof(SharedHookState) == 364);

// The state before the monitor has loaded any setting. constexpr so that a
// shared data section can be constant-initialised with it.
constexpr SharedHookState InitialSharedHookState() {
  SharedHookState s{};
  s.symbStatus = 1;
  s.synthModifiers = {{{vk::LShift, 0},
                       {vk::RShift, 0},
                       {vk::LControl, 0},
                       {vk::LMenu, 0},
                       {vk::RMenu, 0},
                       {vk::RControl, 0}}};
  s.keySensStatus = kKeySensOn;
  s.vrKbBrwStatus = 1;
  return s;
}

}  // namespace tavel
