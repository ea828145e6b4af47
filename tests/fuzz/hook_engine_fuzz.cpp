// The hook engine over arbitrary settings and key streams, with settings
// changing under held keys the way Apply and the key test change them. After
// every stream all keys are let go and the engine must have let go of
// everything it injected: no key it pressed is left down, no taken-over key
// is left marked as held.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "hook/hook_procedure.h"
#include "hook/shared_hook_state.h"
#include "tests/fakes/fake_key_input.h"
#include "tests/fuzz/fuzz_failure.h"

namespace tavel {
namespace {

// Keys that the engine's rules name, with the scan codes and extended flag a
// keyboard reports for them.
struct KeySpec {
  uint32_t vk;
  uint32_t scan;
  uint32_t flags;
};
constexpr KeySpec kKeys[] = {
    {0xA5, 0x38, 0x01}, {0xA4, 0x38, 0x00}, {0xA3, 0x1D, 0x01}, {0xA2, 0x1D, 0x00},
    {0xA2, 0x21D, 0x00}, {0xA0, 0x2A, 0x00}, {0xA1, 0x36, 0x00}, {0x5B, 0x5B, 0x01},
    {0x5D, 0x5D, 0x01}, {0x15, 0x38, 0x00}, {0x19, 0x1D, 0x00}, {0x26, 0x48, 0x01},
    {0x28, 0x50, 0x01}, {0x70, 0x3B, 0x00}, {0x73, 0x3E, 0x00}, {0x74, 0x3F, 0x00},
    {0x7B, 0x58, 0x00}, {0x20, 0x39, 0x00}, {0xE7, 0x00, 0x00}, {0xA6, 0x6A, 0x01},
    {0xA7, 0x69, 0x01}, {0x31, 0x02, 0x00}, {0x32, 0x03, 0x00}, {0x0D, 0x1C, 0x00},
    {0x09, 0x0F, 0x00}, {0x03, 0x46, 0x01}, {0x55, 0x16, 0x00}, {0x4C, 0x26, 0x00},
    {0x1B, 0x01, 0x00}, {0x14, 0x3A, 0x00}, {0xAF, 0x30, 0x01}, {0x45, 0x12, 0x00},
};
constexpr size_t kKeyCount = sizeof kKeys / sizeof kKeys[0];

// Injected keys come back through the engine before InjectKey returns; a
// rule that matches its own injection again would never end.
class BoundedInput : public FakeKeyInput {
 public:
  void InjectKey(uint8_t vk, uint8_t scan, uint32_t flags, uintptr_t extraInfo) override {
    if (++depth_ > 16) Fail("injection recursion deeper than 16");
    FakeKeyInput::InjectKey(vk, scan, flags, extraInfo);
    --depth_;
  }
  [[noreturn]] static void Fail(const char* what) { FuzzFailure("hook engine", what); }

 private:
  int depth_ = 0;
};

uint32_t KeyWord(FuzzedDataProvider& data) {
  return data.ConsumeBool() ? kKeys[data.ConsumeIntegralInRange<size_t>(0, kKeyCount - 1)].vk
                            : data.ConsumeIntegral<uint8_t>();
}

// A word of the settings the hook reads: a key of a record, or a status.
void ChangeSetting(SharedHookState& state, FuzzedDataProvider& data) {
  auto* records = reinterpret_cast<uint32_t*>(&state.vrKbMap);
  constexpr size_t kRecordWords = (sizeof(VrKbMap) + sizeof(ExtKbMap) + sizeof(SymbMap)) / 4;
  uint32_t* statuses[] = {&state.symbStatus, &state.vrKbStatus, &state.extKbSettings.status,
                          &state.extKbSettings.autoStatus, &state.extKbSettings.usbKbPresent,
                          &state.extKbSettings.morrowUsbKbPresent, &state.keySensStatus,
                          &state.vrKbBrwStatus};
  switch (data.ConsumeIntegralInRange(0, 3)) {
    case 0: records[data.ConsumeIntegralInRange<size_t>(0, kRecordWords - 1)] = KeyWord(data); break;
    case 1: *statuses[data.ConsumeIntegralInRange<size_t>(0, 7)] = data.ConsumeIntegralInRange(0, 2); break;
    case 2: {
      KeyCombo& c = state.vrKbBrwMap.entries[data.ConsumeIntegralInRange<size_t>(0, 2)];
      (data.ConsumeBool() ? c.firstKey : c.secondKey) = KeyWord(data);
      break;
    }
    default: {
      KeySensEntry& e = state.keySensMap.entries[data.ConsumeIntegralInRange<size_t>(0, 5)];
      e.key = KeyWord(data);
      e.minimumPressMs = 200 * data.ConsumeIntegralInRange(0, 4);
      break;
    }
  }
}

struct Held {
  uint32_t scan;
  uint32_t flags;
};

void Run(FuzzedDataProvider& data) {
  SharedHookState state = InitialSharedHookState();
  BoundedInput input;
  KeyboardHookEngine engine(state, input);
  input.Attach(engine);
  for (int i = 0; i < 24 && data.remaining_bytes() > 0; ++i) ChangeSetting(state, data);

  // What the stream did, noted against the position in the input's log, so
  // a failure can be traced back.
  std::vector<std::pair<size_t, std::string>> notes;
  auto note = [&](const char* what, uint32_t a, uint32_t b = 0) {
    char text[64];
    std::snprintf(text, sizeof text, "> %s %X %X", what, a, b);
    notes.emplace_back(input.Log().size(), text);
  };
  std::map<uint32_t, Held> held;          // keys of the keyboard held down
  std::map<uint32_t, uint32_t> foreign;   // keys another program injected as held
  while (data.remaining_bytes() > 0) {
    switch (data.ConsumeIntegralInRange(0, 5)) {
      case 0:
      case 1: {  // a key of the keyboard goes down (again: auto-repeat)
        const KeySpec& k = kKeys[data.ConsumeIntegralInRange<size_t>(0, kKeyCount - 1)];
        held[k.vk] = {k.scan, k.flags};
        note("down", k.vk, k.scan);
        input.Physical(k.vk, true, k.scan, k.flags);
        break;
      }
      case 2:  // a held key comes up
        if (!held.empty()) {
          auto it = std::next(held.begin(), data.ConsumeIntegralInRange<size_t>(0, held.size() - 1));
          const auto [vk, key] = *it;
          held.erase(it);
          note("up", vk, key.scan);
          input.Send(KeyEvent{kWmKeyUp, vk, key.scan, key.flags | kKeyFlagUp, 0, 0});
        }
        break;
      case 3: input.Advance(data.ConsumeIntegralInRange(0, 1500)); break;
      case 4: {
        const SharedHookState before = state;
        ChangeSetting(state, data);
        const auto* a = reinterpret_cast<const uint32_t*>(&before);
        const auto* b = reinterpret_cast<const uint32_t*>(&state);
        for (size_t w = 0; w < sizeof state / 4; ++w) {
          if (a[w] != b[w]) note("setting word", static_cast<uint32_t>(w), b[w]);
        }
        break;
      }
      default: {  // another program injects a key
        const uint32_t vk = KeyWord(data);
        const bool down = data.ConsumeBool();
        const uint32_t flags = kKeyFlagInjected | (data.ConsumeBool() ? kKeyFlagExtended : 0);
        note(down ? "foreign down" : "foreign up", vk, flags);
        if (down) foreign[vk] = flags;
        else foreign.erase(vk);
        input.Send(KeyEvent{down ? kWmKeyDown : kWmKeyUp, vk, 0, flags | (down ? 0 : kKeyFlagUp), 0, 0});
        break;
      }
    }
  }

  for (const auto& [vk, key] : held) {
    input.Send(KeyEvent{kWmKeyUp, vk, key.scan, key.flags | kKeyFlagUp, 0, 0});
  }
  for (const auto& [vk, flags] : foreign) input.Send(KeyEvent{kWmKeyUp, vk, 0, flags | kKeyFlagUp, 0, 0});
  input.Advance(10000);  // delayed releases run

  // On a failure the last events show how the stream got there.
  const auto& log = input.Log();
  auto trace = [&] {
    size_t n = 0;
    for (size_t i = 0; i <= log.size(); ++i) {
      for (; n < notes.size() && notes[n].first == i; ++n) std::fprintf(stderr, "%s\n", notes[n].second.c_str());
      if (i < log.size()) std::fprintf(stderr, "  %s\n", log[i].c_str());
    }
  };
  bool injectedDown[256] = {};
  for (const auto& injection : input.Injections()) injectedDown[injection.vk] = (injection.flags & 0x02) == 0;
  for (int vk = 0; vk < 256; ++vk) {
    if (injectedDown[vk]) {
      trace();
      std::fprintf(stderr, "key %02X injected as pressed and never released\n", vk);
      BoundedInput::Fail("a key is left down");
    }
  }
  for (const SynthModifier& row : state.synthModifiers.rows) {
    if (row.down != 0) {
      trace();
      std::fprintf(stderr, "taken-over key %02X still marked held\n", row.vk);
      BoundedInput::Fail("a taken-over key is left marked as held");
    }
  }
  if (state.koreanRightAltDown != 0 || state.koreanRightCtrlDown != 0) {
    BoundedInput::Fail("a Korean right-hand key is left marked as held");
  }
}

}  // namespace
}  // namespace tavel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  tavel::Run(data);
  return 0;
}
