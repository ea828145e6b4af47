// The hook library's shared state as far as the monitor sees it: Load calls
// are logged, Get returns what a test seeded (the Gets of the start are
// logged too), Set stores and logs.
#pragma once

#include <cstdio>

#include "monitor/hook_library.h"
#include "monitor_fakes.h"

namespace tavel::testing {

class FakeHookLibrary : public HookLibrary {
 public:
  explicit FakeHookLibrary(CallLog& log) : log_(log) {}
  bool InstallKeyboardHook(WindowHandle w) override {
    log_.push_back(Call("InstallKeyboardHook", {static_cast<long long>(w)}));
    return true;
  }
  void RemoveKeyboardHook() override { log_.push_back("RemoveKeyboardHook"); }
  uint32_t HookCalls() override { return hookCalls; }
  void LoadVrKbStatus() override { log_.push_back("LoadVrKbStatus"); }
  void LoadExtKbSettings() override { log_.push_back("LoadExtKbSettings"); }
  void LoadVrKbMap() override { log_.push_back("LoadVrKbMap"); }
  void LoadExtKbMap() override { log_.push_back("LoadExtKbMap"); }
  void LoadKeySensStatus() override { log_.push_back("LoadKeySensStatus"); }
  void LoadKeySensMap() override { log_.push_back("LoadKeySensMap"); }
  void LoadSymbStatus() override { log_.push_back("LoadSymbStatus"); }
  void LoadSymbMap() override { log_.push_back("LoadSymbMap"); }
  void LoadVrKbBrwStatus() override { log_.push_back("LoadVrKbBrwStatus"); }
  void LoadVrKbBrwMap() override { log_.push_back("LoadVrKbBrwMap"); }
  void GetVrKbStatus(uint32_t& out) override { out = vrKbStatus; }
  void GetVrKbMap(VrKbMap& out) override { out = vrKbMap; }
  void GetVrKbBrwStatus(uint32_t& out) override { out = vrKbBrwStatus; }
  void GetExtKbSettings(ExtKbSettingsRequest& out) override {
    CopyMaskedExtKbSettings(out.mask, out.values, extKbSettings);
  }
  void GetExtKbMap(ExtKbMap& out) override { out = extKbMap; }
  void GetSymbStatus(uint32_t& out) override { out = symbStatus; }
  void GetSymbMap(SymbMap& out) override { log_.push_back("GetSymbMap"); out = symbMap; }
  void GetVrKbBrwMap(VrKbBrwMap& out) override { log_.push_back("GetVrKbBrwMap"); out = vrKbBrwMap; }
  void GetKeySensMap(KeySensMap& out) override { log_.push_back("GetKeySensMap"); out = keySensMap; }
  void GetKeySensStatus(uint32_t& out) override { log_.push_back("GetKeySensStatus"); out = keySensStatus; }
  void SetVrKbStatus(uint32_t s) override { log_.push_back(Call("SetVrKbStatus", {s})); vrKbStatus = s; }
  void SetVrKbMap(const VrKbMap& m) override {
    log_.push_back(Call("SetVrKbMap", {m.entries[0].physicalKey}));
    vrKbMap = m;
  }
  void SetVrKbBrwStatus(uint32_t s) override {
    log_.push_back(Call("SetVrKbBrwStatus", {s}));
    vrKbBrwStatus = s;
  }
  void SetVrKbBrwMap(const VrKbBrwMap& m) override {
    log_.push_back(Call("SetVrKbBrwMap", {m.entries[0].firstKey}));
    vrKbBrwMap = m;
  }
  void SetExtKbSettings(const ExtKbSettingsRequest& r) override {
    log_.push_back(Call("SetExtKbSettings", {r.mask, r.values.status, r.values.autoStatus,
                                             r.values.usbKbPresent, r.values.docked,
                                             r.values.morrowUsbKbPresent}));
    CopyMaskedExtKbSettings(r.mask, extKbSettings, r.values);
  }
  void SetExtKbMap(const ExtKbMap& m) override {
    log_.push_back(Call("SetExtKbMap", {m.entries[4].secondKey}));
    extKbMap = m;
  }
  void SetSymbStatus(uint32_t s) override {
    log_.push_back(Call("SetSymbStatus", {s}));
    symbStatus = s;
  }
  void SetSymbMap(const SymbMap& m) override {
    log_.push_back(Call("SetSymbMap", {m.entries[0].characterChoice}));
    symbMap = m;
  }
  void SetKeySensStatus(uint32_t s) override {
    log_.push_back(Call("SetKeySensStatus", {s}));
    keySensStatus = s;
  }

  SymbMap symbMap{};
  VrKbBrwMap vrKbBrwMap{};
  KeySensMap keySensMap{};
  uint32_t keySensStatus = 1;
  uint32_t hookCalls = 0;
  uint32_t vrKbStatus = 0;
  VrKbMap vrKbMap{};
  uint32_t vrKbBrwStatus = 1;
  ExtKbSettings extKbSettings{};
  ExtKbMap extKbMap{};
  uint32_t symbStatus = 1;

 private:
  CallLog& log_;
};

}  // namespace tavel::testing
