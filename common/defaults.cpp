#include "common/defaults.h"

namespace tavel {

namespace {

// The external-keyboard rows whose function exists on some machines only.
struct OptionalRows {
  bool brandedButton;  // row 3
  bool wirelessRadio;  // row 6
  bool dovra;          // row 7
  bool lumara;         // row 9
};

// Right Ctrl plus a key that recalls the function, in function order.
constexpr Vk kExtKbSecondKeys[ExtKbMap::kEntries] = {
    vk::Up, vk::Down, vk::Left, vk::F1, vk::F4, vk::F12, vk::F5, vk::F9, vk::Space, vk::F7,
};

ExtKbMap BuildExtKbMap(const OptionalRows& rows) {
  ExtKbMap map{};
  for (uint32_t i = 0; i < ExtKbMap::kEntries; ++i) {
    map.entries[i] = {vk::RControl, kExtKbSecondKeys[i]};
  }
  const auto clearUnless = [&map](bool present, ExtKbFunction row) {
    if (!present) map.entries[row] = {0, 0};
  };
  clearUnless(rows.brandedButton, kExtBrandedButton);
  clearUnless(rows.wirelessRadio, kExtWirelessRadio);
  clearUnless(rows.dovra, kExtDovra);
  clearUnless(rows.lumara, kExtLumara);
  return map;
}

}  // namespace

VrKbMap DefaultVrKbMap() { return {{{vk::RMenu, vk::LWin}, {0, 0}}}; }

VrKbBrwMap DefaultVrKbBrwMap() { return {}; }

KeySensMap DefaultKeySensMap() {
  return {{{vk::Escape, 0},
           {vk::F1, 0},
           {vk::Tab, 0},
           {vk::Capital, 0},
           {vk::BrowserBack, 0},
           {vk::BrowserForward, 0}}};
}

SymbMap DefaultSymbMap() { return {{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}}; }

ExtKbMap FirstRunExtKbMap(const CapabilityAnswers& a) {
  return BuildExtKbMap({a.driverF1 || a.ostraVersion4, a.driverF5, a.driverF9, a.driverF7});
}

ExtKbMap ResetExtKbMap(const CapabilityAnswers& a) {
  return BuildExtKbMap({a.driverF1 || a.ostraVersion4 || a.velmoraProgram, a.fnFx5Available,
                        a.fnFx9Available, a.driverF7});
}

}  // namespace tavel
