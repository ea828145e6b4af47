// What the configuration program hands the running monitor: one record per
// settings group, written at offset 0 of the mapping kTavelSharedMemName while
// the matching message is being sent to the monitor window.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/records.h"

namespace tavel {

inline constexpr char kTavelSharedMemName[] = "Tavel_SharedMem";
inline constexpr char kMonitorWindowClass[] = "TavelmonWndClass";

inline constexpr uint32_t WM_VRKB_SETTINGS_CHANGED = 0x8002;
inline constexpr uint32_t WM_EXTKB_SETTINGS_CHANGED = 0x8003;
inline constexpr uint32_t WM_SYMB_SETTINGS_CHANGED = 0x8004;

struct VrKbChannelRecord {
  static constexpr uint32_t kMessage = WM_VRKB_SETTINGS_CHANGED;
  uint32_t vrKbAsgnsStatus;
  VrKbMap vrKbMap;
  uint32_t vrKbBrwAsgnsStatus;
  VrKbBrwMap vrKbBrwMap;
};

// The request's mask selects which settings the monitor stores; the
// configuration program never sets the device-detection bits, so the values
// it carries for them are ignored.
struct ExtKbChannelRecord {
  static constexpr uint32_t kMessage = WM_EXTKB_SETTINGS_CHANGED;
  ExtKbSettingsRequest settings;
  ExtKbMap extKbMap;
};

struct SymbChannelRecord {
  static constexpr uint32_t kMessage = WM_SYMB_SETTINGS_CHANGED;
  uint32_t symbAsgnsStatus;
  SymbMap symbMap;
};

static_assert(sizeof(VrKbChannelRecord) == 48);
static_assert(offsetof(VrKbChannelRecord, vrKbMap) == 4);
static_assert(offsetof(VrKbChannelRecord, vrKbBrwAsgnsStatus) == 20);
static_assert(offsetof(VrKbChannelRecord, vrKbBrwMap) == 24);
static_assert(sizeof(ExtKbChannelRecord) == 104);
static_assert(offsetof(ExtKbChannelRecord, extKbMap) == 24);
static_assert(sizeof(SymbChannelRecord) == 76);
static_assert(offsetof(SymbChannelRecord, symbMap) == 4);

}  // namespace tavel
