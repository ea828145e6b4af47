// The hook library's operations, linked by ordinal.
#pragma once

#include "monitor/hook_library.h"

namespace tavel {

class TavelhookLibrary : public HookLibrary {
 public:
  bool InstallKeyboardHook(WindowHandle monitorWindow) override;
  void RemoveKeyboardHook() override;
  uint32_t HookCalls() override;

  void LoadVrKbStatus() override;
  void LoadExtKbSettings() override;
  void LoadVrKbMap() override;
  void LoadExtKbMap() override;
  void LoadKeySensStatus() override;
  void LoadKeySensMap() override;
  void LoadSymbStatus() override;
  void LoadSymbMap() override;
  void LoadVrKbBrwStatus() override;
  void LoadVrKbBrwMap() override;

  void GetVrKbStatus(uint32_t& out) override;
  void GetVrKbMap(VrKbMap& out) override;
  void GetVrKbBrwStatus(uint32_t& out) override;
  void GetVrKbBrwMap(VrKbBrwMap& out) override;
  void GetExtKbSettings(ExtKbSettingsRequest& out) override;
  void GetExtKbMap(ExtKbMap& out) override;
  void GetSymbStatus(uint32_t& out) override;
  void GetSymbMap(SymbMap& out) override;
  void GetKeySensMap(KeySensMap& out) override;
  void GetKeySensStatus(uint32_t& out) override;

  void SetVrKbStatus(uint32_t status) override;
  void SetVrKbMap(const VrKbMap& map) override;
  void SetVrKbBrwStatus(uint32_t status) override;
  void SetVrKbBrwMap(const VrKbBrwMap& map) override;
  void SetExtKbSettings(const ExtKbSettingsRequest& request) override;
  void SetExtKbMap(const ExtKbMap& map) override;
  void SetSymbStatus(uint32_t status) override;
  void SetSymbMap(const SymbMap& map) override;
  void SetKeySensStatus(uint32_t status) override;

 private:
  WindowHandle monitorWindow_ = 0;
};

}  // namespace tavel
