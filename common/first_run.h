// Writing a new user's settings the first time any of the programs runs.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "common/defaults.h"
#include "common/keyboard_layout.h"
#include "common/records.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace tavel {

// The caller's in-memory copies that the first run fills in beside the
// registry: the hook library passes its shared state, the configuration
// program its own memory. Status values other than the external-keyboard
// settings are not touched (they are loaded from the registry afterwards).
struct InMemorySettings {
  VrKbMap& vrKbMap;
  VrKbBrwMap& vrKbBrwMap;
  ExtKbMap& extKbMap;
  SymbMap& symbMap;
  ExtKbSettings& extKbSettings;
};

// The values a new user's first settings are seeded from, under
// HKEY_LOCAL_MACHINE keys::kMachineData, in the order the first run reads
// them. The policy templates (installer/policy) offer exactly these.
std::vector<std::string_view> MachineSeedValueNames();

// The layout of the system locale.
uint32_t LayoutIdFromSystemLocale(SystemInfo& system);

// Builds the external-keyboard default when the first run needs it, e.g.
// FirstRunExtKbMap(GatherFirstRunCapabilities(io, registry)); it is called
// only when the settings are actually written, so the routine costs one key
// open on every later run.
using ExtKbMapBuilder = std::function<ExtKbMap()>;

// Does nothing when the user's settings root exists. Otherwise writes every
// value a new user starts with: status values seeded from the machine-wide
// Data key where present, the layout of the system locale, and the default
// records. Returns true when it wrote the settings.
bool InitializeDefaultSettings(Registry& registry, SystemInfo& system,
                               const ExtKbMapBuilder& buildExtKbMap, InMemorySettings memory);

}  // namespace tavel
