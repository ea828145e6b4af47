// The configuration program's in-memory copy of the settings: loaded from
// the registry at start, changed by Apply, written back and handed to the
// monitor from here.
#pragma once

#include <cstdint>

#include "common/records.h"
#include "common/settings_store.h"

namespace tavel::panel {

// A value that cannot be read (its key missing) keeps the default the hook
// library's loading gives it too, so that this program and the monitor agree
// on what a missing value means.
struct PanelSettings {
  uint32_t vrKbAsgnsStatus = status::kVrKb.defaultValue;
  ExtKbSettings extKb = kExtKbSettingsDefaults;
  uint32_t symbAsgnsStatus = status::kSymb.defaultValue;
  uint32_t keySensAsgnsStatus = status::kKeySens.defaultValue;
  uint32_t vrKbBrwAsgnsStatus = status::kVrKbBrw.defaultValue;
  uint32_t vrKbLangId = status::kVrKbLangId.defaultValue;  // notebook keyboard layout
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
