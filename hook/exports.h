// The Load, Get and Set operations of the hook library over the settings
// store and the shared state, one set per settings item. Load copies the
// registry into the shared state, Get copies the shared state out, Set
// stores into the shared state and then writes the registry. Results are
// registry error codes (0 or the Win32 code of the failed open or create).
// Reading a single status word needs no operation of its own.
#pragma once

#include <cstdint>

#include "common/records.h"
#include "hook/shared_hook_state.h"
#include "platform/registry.h"

namespace tavel {

// A Set given no record: nothing is stored or written.
inline constexpr RegResult kInvalidParameter = 87;

RegResult LoadVrKbMap(Registry& registry, SharedHookState& state);
VrKbMap* GetVrKbMap(const SharedHookState& state, VrKbMap* out);
RegResult SetVrKbMap(Registry& registry, SharedHookState& state, const VrKbMap* map);
RegResult LoadVrKbStatus(Registry& registry, SharedHookState& state);
RegResult SetVrKbStatus(Registry& registry, SharedHookState& state, uint32_t status);

RegResult LoadExtKbMap(Registry& registry, SharedHookState& state);
ExtKbMap* GetExtKbMap(const SharedHookState& state, ExtKbMap* out);
RegResult SetExtKbMap(Registry& registry, SharedHookState& state, const ExtKbMap* map);
RegResult LoadExtKbSettings(Registry& registry, SharedHookState& state);
// Fills in only the values whose bit is set in request->mask.
ExtKbSettingsRequest* GetExtKbSettings(const SharedHookState& state,
                                       ExtKbSettingsRequest* request);
// Stores and writes only the values whose bit is set in request.mask.
RegResult SetExtKbSettings(Registry& registry, SharedHookState& state,
                           const ExtKbSettingsRequest& request);

RegResult LoadKeySensMap(Registry& registry, SharedHookState& state);
KeySensMap* GetKeySensMap(const SharedHookState& state, KeySensMap* out);
RegResult SetKeySensMap(Registry& registry, SharedHookState& state, const KeySensMap* map);
RegResult LoadKeySensStatus(Registry& registry, SharedHookState& state);
RegResult SetKeySensStatus(Registry& registry, SharedHookState& state, uint32_t status);

RegResult LoadSymbMap(Registry& registry, SharedHookState& state);
SymbMap* GetSymbMap(const SharedHookState& state, SymbMap* out);
RegResult SetSymbMap(Registry& registry, SharedHookState& state, const SymbMap* map);
RegResult LoadSymbStatus(Registry& registry, SharedHookState& state);
RegResult SetSymbStatus(Registry& registry, SharedHookState& state, uint32_t status);

RegResult LoadVrKbBrwMap(Registry& registry, SharedHookState& state);
VrKbBrwMap* GetVrKbBrwMap(const SharedHookState& state, VrKbBrwMap* out);
RegResult SetVrKbBrwMap(Registry& registry, SharedHookState& state, const VrKbBrwMap* map);
RegResult LoadVrKbBrwStatus(Registry& registry, SharedHookState& state);
RegResult SetVrKbBrwStatus(Registry& registry, SharedHookState& state, uint32_t status);

}  // namespace tavel
