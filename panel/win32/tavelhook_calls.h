// The configuration program's calls into the hook library beside it, which
// put settings straight into the running hook. The library is loaded for
// each call and freed after it; a missing library or export is skipped.
#pragma once

#include <cstdint>

#include "common/records.h"

namespace tavel::panel {

void SetKeySensMapInHook(const KeySensMap& map);                // ordinal 27
void SetKeySensStatusInHook(uint32_t status);                   // ordinal 30
void SetExtKbSettingsInHook(const ExtKbSettingsRequest& request);  // ordinal 24

}  // namespace tavel::panel
