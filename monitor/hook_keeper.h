// Keeps the keyboard hook in the chain and nothing it injected held, through
// what the system does to it: a locked session takes the keys to the secure
// desktop (their releases never reach the hook), sleep and session switches
// may leave the hook dead, and a hook call that takes too long makes the
// system remove the hook without a word. Raw keyboard input reaches the
// monitor either way, so key events it sees while the hook is not called at
// all tell that the hook is gone.
#pragma once

#include <cstdint>

#include "monitor/hook_library.h"
#include "platform/platform_events.h"
#include "platform/processes.h"
#include "platform/window_timer.h"

namespace tavel {

class HookKeeper {
 public:
  HookKeeper(HookLibrary& hook, PlatformEvents& events, Processes& processes, WindowTimers& timers)
      : hook_(hook), events_(events), processes_(processes), timers_(timers) {}

  // Asks for the notifications below; the hook is installed already.
  void Watch(WindowHandle self);
  void OnSessionChange(uintptr_t event);
  void OnPowerBroadcast(uintptr_t event);
  void OnRawInput(intptr_t rawInput);
  // IDT_CHECK_HOOK.
  void OnCheckTimer();
  // The hook was taken off on request: it is never installed again.
  void StandDown() { stoodDown_ = true; }

  // Raw input and the hook see each event in no fixed order, and raw input
  // may run well ahead in a burst of keys. So key events are only compared
  // over a span longer than the system ever lets a hook call take: the hook
  // counts as gone when raw input saw this many key events in it and the
  // hook was not called once.
  static constexpr uint32_t kCheckSpanMs = 1000;
  static constexpr uint32_t kMissedEventsForReinstall = 4;

 private:
  // Installing again also lets go of every key the hook held (the library
  // does that on every install).
  void Reinstall(const char* why);

  HookLibrary& hook_;
  PlatformEvents& events_;
  Processes& processes_;
  WindowTimers& timers_;
  WindowHandle self_ = 0;
  bool stoodDown_ = false;
  bool checking_ = false;
  uint32_t hookCallsSeen_ = 0;  // at the end of the last span
  uint32_t rawEvents_ = 0;      // key events raw input saw in this span
};

}  // namespace tavel
