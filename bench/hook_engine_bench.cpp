// Cost of the hook engine per key event over realistic streams, at several
// stream lengths (the cost must not grow with the length).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <iterator>
#include <vector>

#include "hook/hook_procedure.h"
#include "hook/shared_hook_state.h"
#include "platform/key_input.h"

namespace tavel {
namespace {

// Behaves like the system towards the hook, as cheaply as possible: injected
// keys come back through the engine, keys that get past it are held.
class LoopbackKeyInput : public KeyInput {
 public:
  void Attach(KeyboardHookEngine& engine) { engine_ = &engine; }
  bool Send(KeyEvent ev) {
    const bool swallowed = engine_->Process(ev);
    if (!swallowed) held_[ev.vkCode & 0xFF] = !IsKeyUp(ev);
    return swallowed;
  }
  uint32_t now = 0;

  bool IsKeyDown(uint32_t vk) override { return held_[vk & 0xFF]; }
  void InjectKey(uint8_t vk, uint8_t scan, uint32_t flags, uintptr_t extraInfo) override {
    const bool up = (flags & 0x02) != 0;
    Send(KeyEvent{up ? kWmKeyUp : kWmKeyDown, vk, scan,
                  kKeyFlagInjected | (up ? kKeyFlagUp : 0) | (flags & 0x01), now, extraInfo});
  }
  uint32_t ScanCodeOf(uint32_t vk) override { return vk & 0x7F; }
  void PostAssignedKey(uint32_t, uint32_t) override { ++posted; }
  void StartUtilityManager() override {}
  void LockWorkStation() override {}
  void RunLater(uint32_t, std::function<void()> continuation) override { continuation(); }
  uint64_t posted = 0;

 private:
  KeyboardHookEngine* engine_ = nullptr;
  bool held_[256] = {};
};

// Every group switched on, as a user who has configured everything would.
SharedHookState EverythingEnabled() {
  SharedHookState s = InitialSharedHookState();
  s.vrKbStatus = 1;
  s.vrKbMap = {{{vk::RMenu, vk::LWin}, {vk::RControl, vk::Apps}}};
  const Vk second[] = {0x26, 0x28, 0x25, 0x70, 0x73, 0x7B, 0x74, 0x78, 0x20, 0x76};
  for (size_t i = 0; i < ExtKbMap::kEntries; ++i) s.extKbMap.entries[i] = {vk::RControl, second[i]};
  s.extKbSettings = {1, 0, 0, 0, 0};
  for (uint32_t i = 0; i < SymbMap::kEntries; ++i) s.symbMap.entries[i] = {i + 1, vk::LShift, vk::Digit1 + i};
  const Vk sensKeys[] = {vk::Escape, vk::F1, vk::Tab, vk::Capital, vk::BrowserBack, vk::BrowserForward};
  for (size_t i = 0; i < KeySensMap::kEntries; ++i) s.keySensMap.entries[i] = {sensKeys[i], 400};
  s.vrKbBrwMap = {{{vk::LMenu, vk::BrowserBack}, {vk::LMenu, vk::Up}, {vk::LMenu, vk::Down}}};
  return s;
}

KeyEvent Key(Vk vk, bool down, uint32_t time, uint32_t flags = 0) {
  return KeyEvent{down ? kWmKeyDown : kWmKeyUp, vk, vk & 0x7F, flags | (down ? 0 : kKeyFlagUp), time, 0};
}

std::vector<KeyEvent> PlainTyping(size_t n) {
  std::vector<KeyEvent> s;
  const Vk text[] = {'T', 'H', 'E', ' ', 'Q', 'U', 'I', 'C', 'K', ' ', 'B', 'R', 'O', 'W', 'N', ' ', 'F', 'O', 'X'};
  uint32_t t = 0;
  for (size_t i = 0; s.size() < n; ++i) {
    const Vk k = text[i % std::size(text)];
    s.push_back(Key(k, true, t += 60));
    s.push_back(Key(k, false, t += 40));
  }
  s.resize(n & ~size_t{1});
  return s;
}

// Esc held with auto-repeat for a second, then released, again and again.
std::vector<KeyEvent> FilteredAutoRepeat(size_t n) {
  std::vector<KeyEvent> s;
  uint32_t t = 0;
  while (s.size() < n) {
    for (int r = 0; r < 30; ++r) s.push_back(Key(vk::Escape, true, t += 33));
    s.push_back(Key(vk::Escape, false, t += 33));
  }
  return s;
}

// Right Alt as the Windows key: alone, with an arrow, with E.
std::vector<KeyEvent> WindowsKeyRemap(size_t n) {
  std::vector<KeyEvent> s;
  uint32_t t = 0;
  const Vk between[] = {0, vk::Up, 'E'};
  for (size_t i = 0; s.size() < n; ++i) {
    s.push_back(Key(vk::RMenu, true, t += 50, kKeyFlagExtended));
    if (Vk k = between[i % 3]) {
      s.push_back(Key(k, true, t += 50));
      s.push_back(Key(k, false, t += 50));
    }
    s.push_back(Key(vk::RMenu, false, t += 50, kKeyFlagExtended));
  }
  return s;
}

template <std::vector<KeyEvent> (*MakeStream)(size_t)>
void BM_HookEngine(benchmark::State& bs) {
  SharedHookState shared = EverythingEnabled();
  LoopbackKeyInput input;
  KeyboardHookEngine engine(shared, input);
  input.Attach(engine);
  const std::vector<KeyEvent> stream = MakeStream(static_cast<size_t>(bs.range(0)));
  const uint32_t streamSpan = stream.back().time + 1000;
  uint32_t base = 0;
  uint64_t swallowed = 0;
  for (auto _ : bs) {
    for (KeyEvent ev : stream) {
      ev.time += base;
      input.now = ev.time;
      swallowed += input.Send(ev) ? 1 : 0;
    }
    base += streamSpan;
  }
  benchmark::DoNotOptimize(swallowed);
  bs.counters["ns/event"] = benchmark::Counter(static_cast<double>(stream.size()),
                                               benchmark::Counter::kIsIterationInvariantRate |
                                                   benchmark::Counter::kInvert);
  bs.counters["swallowed/event"] =
      static_cast<double>(swallowed) / static_cast<double>(bs.iterations() * stream.size());
}

BENCHMARK(BM_HookEngine<PlainTyping>)->Name("PlainTyping")->RangeMultiplier(8)->Range(64, 32768);
BENCHMARK(BM_HookEngine<FilteredAutoRepeat>)->Name("FilteredAutoRepeat")->RangeMultiplier(8)->Range(64, 32768);
BENCHMARK(BM_HookEngine<WindowsKeyRemap>)->Name("WindowsKeyRemap")->RangeMultiplier(8)->Range(64, 32768);

}  // namespace
}  // namespace tavel

BENCHMARK_MAIN();
