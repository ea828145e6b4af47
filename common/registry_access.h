// Small steps shared by the routines that read and write settings.
#pragma once

#include <cstdint>

#include "platform/registry.h"

namespace tavel {

// A 4-byte query into `value`; a missing, oversized or unreadable value
// leaves it as it was. A shorter value replaces only its own bytes.
void QueryDword(Registry& registry, RegKey key, const char* name, uint32_t& value);

void SetDword(Registry& registry, RegKey key, const char* name, uint32_t value);

// The key opens for reading (and is closed again at once).
bool KeyExists(Registry& registry, RegRoot root, const char* subkey, uint32_t access);

}  // namespace tavel
