// Keeps the keyboard hook in the chain and nothing it injected held, through
// what the system does to it: a locked session takes the keys to the secure
// desktop (their releases never reach the hook), sleep and session switches
// may leave the hook dead, and a hook call that takes too long makes the
// system remove the hook without a word. Raw keyboard input reaches the
// monitor either way, so key events it sees that the hook did not see tell
// that the hook is gone.
#pragma once

#include <cstdint>

#include "monitor/hook_library.h"
#include "platform/platform_events.h"
#include "platform/processes.h"

namespace tavel {

class HookKeeper {
 public:
  HookKeeper(HookLibrary& hook, PlatformEvents& events, Processes& processes)
      : hook_(hook), events_(events), processes_(processes) {}

  // Asks for the notifications below; the hook is installed already.
  void Watch(WindowHandle self);
  void OnSessionChange(uintptr_t event);
  void OnPowerBroadcast(uintptr_t event);
  void OnRawInput(intptr_t rawInput);

  // Raw key events in a row that the hook did not see before it counts as
  // lost. The hook and raw input see each event in either order, so a live
  // hook can trail by one event; more is a hook that is gone.
  static constexpr uint32_t kMissedEventsForReinstall = 4;

 private:
  // Installing again also lets go of every key the hook held (the library
  // does that on every install).
  void Reinstall(const char* why);

  HookLibrary& hook_;
  PlatformEvents& events_;
  Processes& processes_;
  WindowHandle self_ = 0;
  uint32_t hookCallsSeen_ = 0;
  uint32_t missed_ = 0;
};

}  // namespace tavel
