// The monitor's own copies of the settings: filled at start from the hook
// library and by the channel messages, applied by the settings timers.
#pragma once

#include <cstdint>

#include "common/records.h"

namespace tavel {

struct MonitorSettingsCache {
  uint32_t vrKbAsgnsStatus = 0;
  VrKbMap vrKbMap{};
  uint32_t vrKbBrwAsgnsStatus = 0;
  VrKbBrwMap vrKbBrwMap{};
  ExtKbSettingsRequest extKbSettings{};
  ExtKbMap extKbMap{};
  uint32_t symbAsgnsStatus = 0;
  SymbMap symbMap{};
  KeySensMap keySensMap{};
  uint32_t keySensAsgnsStatus = 0;
};

}  // namespace tavel
