// The operations of the hook library the monitor uses. Load copies a setting
// from the registry into the library's shared state, Get copies it out, Set
// stores it there and writes it to the registry.
#pragma once

#include <cstdint>

#include "common/records.h"
#include "platform/window_messages.h"

namespace tavel {

class HookLibrary {
 public:
  virtual ~HookLibrary() = default;
  virtual bool InstallKeyboardHook(WindowHandle monitorWindow) = 0;
  virtual void RemoveKeyboardHook() = 0;
  // How many key events the hook procedure has been called for in this
  // process since the hook was first installed.
  virtual uint32_t HookCalls() = 0;

  virtual void LoadVrKbStatus() = 0;
  virtual void LoadExtKbSettings() = 0;
  virtual void LoadVrKbMap() = 0;
  virtual void LoadExtKbMap() = 0;
  virtual void LoadKeySensStatus() = 0;
  virtual void LoadKeySensMap() = 0;
  virtual void LoadSymbStatus() = 0;
  virtual void LoadSymbMap() = 0;
  virtual void LoadVrKbBrwStatus() = 0;
  virtual void LoadVrKbBrwMap() = 0;

  virtual void GetVrKbStatus(uint32_t& out) = 0;
  virtual void GetVrKbMap(VrKbMap& out) = 0;
  virtual void GetVrKbBrwStatus(uint32_t& out) = 0;
  virtual void GetVrKbBrwMap(VrKbBrwMap& out) = 0;
  // The values whose bits are set in out.mask.
  virtual void GetExtKbSettings(ExtKbSettingsRequest& out) = 0;
  virtual void GetExtKbMap(ExtKbMap& out) = 0;
  virtual void GetSymbStatus(uint32_t& out) = 0;
  virtual void GetSymbMap(SymbMap& out) = 0;
  virtual void GetKeySensMap(KeySensMap& out) = 0;
  virtual void GetKeySensStatus(uint32_t& out) = 0;

  virtual void SetVrKbStatus(uint32_t status) = 0;
  virtual void SetVrKbMap(const VrKbMap& map) = 0;
  virtual void SetVrKbBrwStatus(uint32_t status) = 0;
  virtual void SetVrKbBrwMap(const VrKbBrwMap& map) = 0;
  virtual void SetExtKbSettings(const ExtKbSettingsRequest& request) = 0;
  virtual void SetExtKbMap(const ExtKbMap& map) = 0;
  virtual void SetSymbStatus(uint32_t status) = 0;
  virtual void SetSymbMap(const SymbMap& map) = 0;
  virtual void SetKeySensStatus(uint32_t status) = 0;
};

}  // namespace tavel
