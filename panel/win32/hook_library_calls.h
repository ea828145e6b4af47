// The hook library's Set operations this program calls itself, so that the
// running hook takes the key-sensitivity and external-keyboard settings at
// its next key event.
// The library beside the program is loaded for each call and freed after
// it; without it, or without the export, the call does nothing.
#pragma once

#include <cstdint>

#include "common/records.h"

namespace tavel::panel {

void CallSetKeySensMap(const KeySensMap& map);
void CallSetKeySensStatus(uint32_t status);
void CallSetExtKbSettings(const ExtKbSettingsRequest& request);

}  // namespace tavel::panel
