// KeyInput as Windows behaves towards a low-level hook: injected keys come
// back through the hook before keybd_event returns, keys that get past the
// hook change the asynchronous key state, and time is a clock the test
// advances. Everything the hook does to the outside is logged in order.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "hook/key_event.h"
#include "platform/key_input.h"

namespace tavel {

class KeyboardHookEngine;

class FakeKeyInput : public KeyInput {
 public:
  struct Injection {
    uint8_t vk;
    uint8_t scan;
    uint32_t flags;  // as passed to keybd_event
    uintptr_t extraInfo;
  };

  // Injected keys are fed back through `engine` from now on.
  void Attach(KeyboardHookEngine& engine) { engine_ = &engine; }

  // A key event from the keyboard at the current time. Returns true when the
  // hook swallowed it.
  bool Physical(uint32_t vk, bool down, uint32_t scan, uint32_t flags = 0);
  // Any event, stamped with the current time, through the hook and, unless
  // swallowed, on to the system.
  bool Send(KeyEvent ev);
  // Moves the clock on, running due continuations at their own times.
  void Advance(uint32_t ms);
  uint32_t Now() const { return now_; }
  size_t PendingContinuations() const { return pending_.size(); }

  // What happened, in order: "inject 5B down", "post 4", "lock", "utilman",
  // and, for every event that got past the hook, "pass A5 up" (injected
  // events marked "*": "pass* 5B down").
  const std::vector<std::string>& Log() const { return log_; }
  std::vector<std::string> TakeLog();
  const std::vector<Injection>& Injections() const { return injections_; }
  // (message, action) of every WM_ASSIGNED_KEY posted.
  const std::vector<std::pair<uint32_t, uint32_t>>& Posted() const { return posted_; }
  std::vector<uint32_t> PostedActions() const;

  // KeyInput
  bool IsKeyDown(uint32_t vk) override { return held_.count(vk) != 0; }
  void InjectKey(uint8_t vk, uint8_t scan, uint32_t flags, uintptr_t extraInfo) override;
  uint32_t ScanCodeOf(uint32_t vk) override;
  void PostAssignedKey(uint32_t message, uint32_t actionCode) override;
  void StartUtilityManager() override { log_.push_back("utilman"); }
  void LockWorkStation() override { log_.push_back("lock"); }
  void RunLater(uint32_t delayMs, std::function<void()> continuation) override;

 private:
  KeyboardHookEngine* engine_ = nullptr;
  uint32_t now_ = 1000;
  uint64_t nextSequence_ = 0;
  std::set<uint32_t> held_;
  std::map<std::pair<uint32_t, uint64_t>, std::function<void()>> pending_;  // (due, order)
  std::vector<std::string> log_;
  std::vector<Injection> injections_;
  std::vector<std::pair<uint32_t, uint32_t>> posted_;
};

}  // namespace tavel
