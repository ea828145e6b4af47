#include "tests/fakes/fake_key_input.h"

#include <cstdio>

#include "hook/hook_procedure.h"

namespace tavel {

namespace {

constexpr uint32_t kKeybdExtended = 0x01;
constexpr uint32_t kKeybdKeyUp = 0x02;

std::string Hex(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02X", v);
  return buf;
}

}  // namespace

bool FakeKeyInput::Physical(uint32_t vk, bool down, uint32_t scan, uint32_t flags) {
  const uint32_t upFlag = down ? 0 : kKeyFlagUp;
  return Send(KeyEvent{down ? kWmKeyDown : kWmKeyUp, vk, scan, flags | upFlag, 0, 0});
}

bool FakeKeyInput::Send(KeyEvent ev) {
  ev.time = now_;
  const bool swallowed = engine_->Process(ev);
  if (!swallowed) {
    const bool up = IsKeyUp(ev);
    log_.push_back((IsInjected(ev) ? "pass* " : "pass ") + Hex(ev.vkCode) + (up ? " up" : " down"));
    if (up) {
      held_.erase(ev.vkCode);
    } else {
      held_.insert(ev.vkCode);
    }
  }
  return swallowed;
}

void FakeKeyInput::InjectKey(uint8_t vk, uint8_t scan, uint32_t flags, uintptr_t extraInfo) {
  injections_.push_back({vk, scan, flags, extraInfo});
  const bool up = (flags & kKeybdKeyUp) != 0;
  log_.push_back("inject " + Hex(vk) + (up ? " up" : " down"));
  // As the system stamps it: injected, extended when asked, current time.
  const uint32_t hookFlags = kKeyFlagInjected | (up ? kKeyFlagUp : 0) | (flags & kKeybdExtended);
  Send(KeyEvent{up ? kWmKeyUp : kWmKeyDown, vk, scan, hookFlags, 0, extraInfo});
}

uint32_t FakeKeyInput::ScanCodeOf(uint32_t vk) {
  // A US layout's answers for the keys the hook injects.
  static const std::map<uint32_t, uint32_t> kScanCodes = {
      {0x13, 0x45}, {0x5B, 0x5B}, {0x5D, 0x5D}, {0xA0, 0x2A}, {0xA1, 0x36}, {0xA2, 0x1D},
      {0xA3, 0x1D}, {0xA4, 0x38}, {0xA5, 0x38}, {0xAE, 0x2E}, {0xAF, 0x30},
  };
  const auto it = kScanCodes.find(vk);
  return it == kScanCodes.end() ? 0 : it->second;
}

void FakeKeyInput::PostAssignedKey(uint32_t message, uint32_t actionCode) {
  posted_.emplace_back(message, actionCode);
  log_.push_back("post " + std::to_string(actionCode));
}

void FakeKeyInput::RunLater(uint32_t delayMs, std::function<void()> continuation) {
  pending_.emplace(std::make_pair(now_ + delayMs, nextSequence_++), std::move(continuation));
}

void FakeKeyInput::Advance(uint32_t ms) {
  const uint32_t end = now_ + ms;
  while (!pending_.empty() && pending_.begin()->first.first <= end) {
    auto node = pending_.extract(pending_.begin());
    now_ = node.key().first;
    node.mapped()();
  }
  now_ = end;
}

std::vector<std::string> FakeKeyInput::TakeLog() { return std::exchange(log_, {}); }

std::vector<uint32_t> FakeKeyInput::PostedActions() const {
  std::vector<uint32_t> actions;
  for (const auto& p : posted_) actions.push_back(p.second);
  return actions;
}

}  // namespace tavel
