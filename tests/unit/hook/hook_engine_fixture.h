// A hook engine over fresh shared state and the fake key input, with the keys
// as a real keyboard reports them (vk, scan code, extended flag).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hook/hook_procedure.h"
#include "hook/shared_hook_state.h"
#include "tests/fakes/fake_key_input.h"

namespace tavel::test {

struct Key {
  uint32_t vk;
  uint32_t scan;
  uint32_t flags;
};

inline constexpr Key kRightAlt{0xA5, 0x38, 0x01};
inline constexpr Key kLeftAlt{0xA4, 0x38, 0x00};
inline constexpr Key kRightCtrl{0xA3, 0x1D, 0x01};
inline constexpr Key kLeftCtrl{0xA2, 0x1D, 0x00};
inline constexpr Key kAltGrCtrl{0xA2, 0x21D, 0x00};  // sent by AltGr layouts with right Alt
inline constexpr Key kLeftShift{0xA0, 0x2A, 0x00};
inline constexpr Key kRightShift{0xA1, 0x36, 0x00};
inline constexpr Key kUp{0x26, 0x48, 0x01};
inline constexpr Key kF1{0x70, 0x3B, 0x00};
inline constexpr Key kF4{0x73, 0x3E, 0x00};
inline constexpr Key kEsc{0x1B, 0x01, 0x00};
inline constexpr Key kTab{0x09, 0x0F, 0x00};
inline constexpr Key kEnter{0x0D, 0x1C, 0x00};
inline constexpr Key kDigit1{0x31, 0x02, 0x00};
inline constexpr Key kL{0x4C, 0x26, 0x00};
inline constexpr Key kU{0x55, 0x16, 0x00};
inline constexpr Key kCancel{0x03, 0x46, 0x01};  // Ctrl+Break
inline constexpr Key kBrowserBack{0xA6, 0x6A, 0x01};
inline constexpr Key kKoreanRightAlt{0x15, 0x38, 0x00};

class HookEngineTest : public ::testing::Test {
 protected:
  HookEngineTest() { input.Attach(engine); }

  bool Down(Key k) { return input.Physical(k.vk, true, k.scan, k.flags); }
  bool Up(Key k) { return input.Physical(k.vk, false, k.scan, k.flags); }
  void Tap(Key k) {
    Down(k);
    Up(k);
  }

  // The log entries starting with `prefix`, without it: "inject " gives
  // {"5B down", "A0 up", ...}.
  std::vector<std::string> Logged(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : input.Log()) {
      if (line.rfind(prefix, 0) == 0) out.push_back(line.substr(prefix.size()));
    }
    return out;
  }
  std::vector<std::string> Injected() const { return Logged("inject "); }
  // Keys that reached applications from the keyboard (not injected ones).
  std::vector<std::string> PassedPhysical() const { return Logged("pass "); }

  void EnableNotebookAssignments(KeyRemap windowsKey, KeyRemap applicationKey = {}) {
    state.vrKbStatus = 1;
    state.vrKbMap.entries[0] = windowsKey;
    state.vrKbMap.entries[1] = applicationKey;
  }

  // The external-keyboard defaults of a machine with every hot-key
  // capability, assignments in force.
  void EnableExternalDefaults() {
    const uint32_t second[] = {0x26, 0x28, 0x25, 0x70, 0x73, 0x7B, 0x74, 0x78, 0x20, 0x76};
    for (size_t i = 0; i < ExtKbMap::kEntries; ++i) state.extKbMap.entries[i] = {0xA3, second[i]};
    state.extKbSettings = {1, 0, 0, 0, 0};
  }

  SharedHookState state = InitialSharedHookState();
  FakeKeyInput input;
  KeyboardHookEngine engine{state, input};
};

using Strings = std::vector<std::string>;

}  // namespace tavel::test
