// The configuration program's in-memory copy of the settings: loaded from
// the registry at start, changed by Apply, written back and handed to the
// monitor from here.
#pragma once

#include <cstdint>

#include "common/records.h"

namespace tavel::panel {

struct PanelSettings {
  uint32_t vrKbAsgnsStatus = 0;
  ExtKbSettings extKb{};
  uint32_t symbAsgnsStatus = 0;
  uint32_t keySensAsgnsStatus = 0;
  uint32_t vrKbBrwAsgnsStatus = 0;
  uint32_t vrKbLangId = 0;  // notebook keyboard layout
  VrKbMap vrKbMap{};
  ExtKbMap extKbMap{};
  SymbMap symbMap{};
  KeySensMap keySensMap{};
  VrKbBrwMap vrKbBrwMap{};
  // Which ExtKbSettings fields the monitor is to take from this program's
  // copy. Grows while the program runs; never the device-detection bits,
  // which only the monitor knows first-hand.
  uint32_t extKbMask = 0;
};

}  // namespace tavel::panel
